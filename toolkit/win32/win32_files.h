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
    // The last failure: a system error code, or a C runtime errno when the
    // runtime's half of CreateNew failed.
    struct Failure {
        bool fromRuntime = false;
        int32_t code = 0;
    };
    bool FailWithSystemError() noexcept;
    Failure lastFailure_;
};

}  // namespace corvane::win32
