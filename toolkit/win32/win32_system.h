// The system half of the Win32 backend: instance mutex, display size,
// clocks and keys, the desktop folder, the clipboard, the screen grab and
// the file services. The UI half owns one and forwards these calls to it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/files.h"
#include "toolkit/geometry.h"
#include "toolkit/image.h"
#include "toolkit/toolkit.h"
#include "toolkit/win32/handles.h"
#include "toolkit/win32/win32_files.h"

namespace corvane::win32 {

class Win32System {
public:
    Win32System() noexcept = default;
    Win32System(const Win32System&) = delete;
    Win32System& operator=(const Win32System&) = delete;

    void SetCurrentDirectoryToProgramFolder() noexcept;
    MutexResult CreateInstanceMutex(const std::string& name) noexcept;
    void CloseInstanceMutex() noexcept;
    Size PrimaryDisplaySize() noexcept;
    bool PrintScreenPressed() noexcept;
    LocalTime LocalClock() noexcept;
    std::optional<std::string> DesktopFolder() noexcept;
    void Sleep(int32_t milliseconds) noexcept;

    std::optional<std::vector<uint8_t>> ReadClipboardDib() noexcept;
    bool WriteClipboardDib(const std::vector<uint8_t>& block, HWND owner) noexcept;
    uint32_t ClipboardSequenceNumber() noexcept;
    bool PrintScreenOpensSnipping() noexcept;
    std::optional<Image24> GrabScreen() noexcept;

    FileService& Files() noexcept;

private:
    ScopedKernelHandle instanceMutex_;
    Win32FileService files_;
};

}  // namespace corvane::win32
