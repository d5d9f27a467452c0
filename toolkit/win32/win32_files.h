// File services on the Win32 file API, with UTF-8 paths widened so any
// folder name works regardless of the code page.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "toolkit/files.h"

namespace corvane::win32 {

class Win32FileService final : public FileService {
public:
    bool Exists(const std::string& path) noexcept override;
    std::FILE* CreateNew(const std::string& path) noexcept override;
    bool MoveNoReplace(const std::string& from, const std::string& to) noexcept override;
    bool Remove(const std::string& path) noexcept override;
    std::string LastError() noexcept override;

private:
    // The system error code of the last failed call above (0: none).
    uint32_t lastError_ = 0;
};

}  // namespace corvane::win32
