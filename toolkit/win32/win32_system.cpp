// The system services of the Win32 backend. Each call stands alone except
// the instance mutex, whose handle this object keeps for the whole run.
#include "toolkit/win32/win32_system.h"

#include <windows.h>

#include <new>

#include "toolkit/win32/clipboard.h"
#include "toolkit/win32/screen_grab.h"
#include "toolkit/win32/text.h"

namespace corvane::win32 {
namespace {

// Beyond the longest path the system accepts, so the loop always ends.
constexpr DWORD kMaxModulePath = 32768;

std::wstring ModulePath() noexcept {
    try {
        std::wstring path(MAX_PATH, L'\0');
        for (;;) {
            const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
            if (length == 0) return {};
            // A full buffer means the path was cut short.
            if (length < path.size()) {
                path.resize(length);
                return path;
            }
            if (path.size() >= kMaxModulePath) return {};
            path.resize(path.size() * 2);
        }
    } catch (const std::bad_alloc&) {
        return {};
    }
}

std::optional<Size> DisplayModeSize(const wchar_t* deviceName) noexcept {
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    if (!::EnumDisplaySettingsW(deviceName, ENUM_CURRENT_SETTINGS, &mode)) return std::nullopt;
    if (mode.dmPelsWidth == 0 || mode.dmPelsHeight == 0) return std::nullopt;
    return Size{int32_t(mode.dmPelsWidth), int32_t(mode.dmPelsHeight)};
}

// The primary display's mode; with no device marked primary, the first one
// attached to the desktop.
std::optional<Size> EnumeratedDisplaySize() noexcept {
    std::optional<Size> firstAttached;
    DISPLAY_DEVICEW device{};
    device.cb = sizeof device;
    for (DWORD index = 0; ::EnumDisplayDevicesW(nullptr, index, &device, 0); ++index) {
        if (device.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP) {
            const std::optional<Size> size = DisplayModeSize(device.DeviceName);
            if (size && (device.StateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE)) return size;
            if (size && !firstAttached) firstAttached = size;
        }
        device = {};
        device.cb = sizeof device;
    }
    return firstAttached;
}

using SpecialFolderPathW = BOOL(WINAPI*)(HWND, LPWSTR, int, BOOL);

constexpr int kDesktopFolderId = 0;  // CSIDL_DESKTOP

}  // namespace

void Win32System::SetCurrentDirectoryToProgramFolder() noexcept {
    std::wstring path = ModulePath();
    const size_t lastSeparator = path.find_last_of(L"\\/");
    if (lastSeparator == std::wstring::npos) return;
    path.resize(lastSeparator + 1);
    ::SetCurrentDirectoryW(path.c_str());
}

MutexResult Win32System::CreateInstanceMutex(const std::string& name) noexcept {
    const std::wstring wideName = Widen(name);
    // Cleared first so that a stale code can never pass for "already exists".
    ::SetLastError(0);
    const HANDLE mutex = ::CreateMutexW(nullptr, TRUE, wideName.empty() ? nullptr : wideName.c_str());
    const DWORD lastError = ::GetLastError();
    instanceMutex_.reset(mutex);
    return MutexResult{mutex != nullptr, uint32_t(lastError)};
}

void Win32System::CloseInstanceMutex() noexcept {
    // Closing without ReleaseMutex: the system abandons the ownership.
    instanceMutex_.reset();
}

Size Win32System::PrimaryDisplaySize() noexcept {
    if (const std::optional<Size> size = EnumeratedDisplaySize()) return *size;
    return Size{::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

bool Win32System::PrintScreenPressed() noexcept {
    // Bit 0: pressed since the previous query; reading it clears it.
    return (::GetAsyncKeyState(VK_SNAPSHOT) & 1) != 0;
}

LocalTime Win32System::LocalClock() noexcept {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return LocalTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

std::optional<std::string> Win32System::DesktopFolder() noexcept {
    // Loaded by name on every call and looked up at run time, so the program
    // does not depend on the shell library being present at start.
    ScopedLibrary shell(::LoadLibraryW(L"shell32.dll"));
    if (!shell) return std::nullopt;
    const FARPROC procedure = ::GetProcAddress(shell.get(), "SHGetSpecialFolderPathW");
    if (!procedure) return std::nullopt;
    // Through the generic function pointer type, which converts without a warning.
    const auto specialFolderPath =
        reinterpret_cast<SpecialFolderPathW>(reinterpret_cast<void (*)()>(procedure));
    wchar_t buffer[MAX_PATH + 1] = {};
    if (!specialFolderPath(nullptr, buffer, kDesktopFolderId, FALSE)) return std::nullopt;
    buffer[MAX_PATH] = L'\0';
    const std::string folder = Narrow(buffer);
    if (folder.empty()) return std::nullopt;
    return folder;
}

void Win32System::Sleep(int32_t milliseconds) noexcept {
    ::Sleep(milliseconds > 0 ? DWORD(milliseconds) : 0);
}

std::optional<std::vector<uint8_t>> Win32System::ReadClipboardDib() noexcept {
    return win32::ReadClipboardDib();
}

bool Win32System::WriteClipboardDib(const std::vector<uint8_t>& block, HWND owner) noexcept {
    return win32::WriteClipboardDib(block, owner);
}

uint32_t Win32System::ClipboardSequenceNumber() noexcept {
    return uint32_t(::GetClipboardSequenceNumber());
}

bool Win32System::PrintScreenOpensSnipping() noexcept {
    // Newer systems can hand Print Screen to their snipping tool, which puts
    // nothing on the clipboard until the user has chosen an area.
    DWORD enabled = 0;
    DWORD size = sizeof enabled;
    const LSTATUS status =
        ::RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Keyboard", L"PrintScreenKeyForSnippingEnabled",
                       RRF_RT_REG_DWORD, nullptr, &enabled, &size);
    return status == ERROR_SUCCESS && enabled == 1;
}

std::optional<Image24> Win32System::GrabScreen() noexcept {
    return win32::GrabScreen();
}

FileService& Win32System::Files() noexcept {
    return files_;
}

}  // namespace corvane::win32
