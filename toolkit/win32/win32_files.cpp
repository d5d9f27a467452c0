// File services on the wide Win32 file API. CreateNew opens the file with
// CREATE_NEW so that an existing file is never truncated, then hands the
// handle to the C runtime for a stdio stream.
#include "toolkit/win32/win32_files.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstring>
#include <string_view>

#include "toolkit/win32/handles.h"
#include "toolkit/win32/text.h"

namespace corvane::win32 {
namespace {

std::string TrimLineEnds(std::string text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

std::string SystemMessage(DWORD code) noexcept {
    wchar_t buffer[512] = {};
    const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                          nullptr, code, 0, buffer, DWORD(std::size(buffer)), nullptr);
    if (length == 0) return "System error " + std::to_string(code);
    return TrimLineEnds(Narrow(std::wstring_view(buffer, length)));
}

std::string RuntimeMessage(int code) noexcept {
    char buffer[256] = {};
    if (strerror_s(buffer, sizeof buffer, code) != 0) return "Runtime error " + std::to_string(code);
    return TrimLineEnds(buffer);
}

}  // namespace

bool Win32FileService::FailWithSystemError() noexcept {
    lastFailure_ = {false, int32_t(::GetLastError())};
    return false;
}

bool Win32FileService::Exists(const std::string& path) noexcept {
    const std::wstring widePath = Widen(path);
    if (widePath.empty()) return false;
    if (::GetFileAttributesW(widePath.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    return FailWithSystemError();
}

std::FILE* Win32FileService::CreateNew(const std::string& path) noexcept {
    const std::wstring widePath = Widen(path);
    if (widePath.empty()) {
        lastFailure_ = {false, ERROR_INVALID_NAME};
        return nullptr;
    }
    const HANDLE created = ::CreateFileW(widePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                         FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created == INVALID_HANDLE_VALUE) {
        FailWithSystemError();
        return nullptr;
    }
    ScopedKernelHandle file(created);
    const int descriptor = ::_open_osfhandle(intptr_t(file.get()), _O_BINARY | _O_WRONLY);
    if (descriptor == -1) {
        lastFailure_ = {true, errno};
        file.reset();
        ::DeleteFileW(widePath.c_str());  // the caller never saw this file
        return nullptr;
    }
    static_cast<void>(file.release());  // the descriptor owns the handle now
    std::FILE* stream = ::_fdopen(descriptor, "wb");
    if (!stream) {
        lastFailure_ = {true, errno};
        ::_close(descriptor);
        ::DeleteFileW(widePath.c_str());
        return nullptr;
    }
    return stream;
}

bool Win32FileService::MoveNoReplace(const std::string& from, const std::string& to) noexcept {
    const std::wstring wideFrom = Widen(from);
    const std::wstring wideTo = Widen(to);
    if (wideFrom.empty() || wideTo.empty()) {
        lastFailure_ = {false, ERROR_INVALID_NAME};
        return false;
    }
    // Without MOVEFILE_REPLACE_EXISTING the move fails when the target exists.
    if (::MoveFileExW(wideFrom.c_str(), wideTo.c_str(), MOVEFILE_WRITE_THROUGH)) return true;
    return FailWithSystemError();
}

bool Win32FileService::Remove(const std::string& path) noexcept {
    const std::wstring widePath = Widen(path);
    if (widePath.empty()) {
        lastFailure_ = {false, ERROR_INVALID_NAME};
        return false;
    }
    if (::DeleteFileW(widePath.c_str())) return true;
    return FailWithSystemError();
}

std::string Win32FileService::LastError() noexcept {
    if (lastFailure_.fromRuntime) return RuntimeMessage(lastFailure_.code);
    return SystemMessage(DWORD(lastFailure_.code));
}

}  // namespace corvane::win32
