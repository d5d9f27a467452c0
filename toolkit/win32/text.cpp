// UTF-8 <-> UTF-16 through the system's converters. Strings too long for the
// converters' int lengths, or memory exhaustion, give an empty result rather
// than an exception.
#include "toolkit/win32/text.h"

#include <windows.h>

#include <climits>
#include <new>

namespace corvane::win32 {

std::wstring Widen(std::string_view utf8) noexcept {
    if (utf8.empty() || utf8.size() > size_t(INT_MAX)) return {};
    const int inLength = int(utf8.size());
    const int outLength = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), inLength, nullptr, 0);
    if (outLength <= 0) return {};
    try {
        std::wstring wide(size_t(outLength), L'\0');
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), inLength, wide.data(), outLength);
        return wide;
    } catch (const std::bad_alloc&) {
        return {};
    }
}

std::string Narrow(std::wstring_view utf16) noexcept {
    if (utf16.empty() || utf16.size() > size_t(INT_MAX)) return {};
    const int inLength = int(utf16.size());
    const int outLength =
        ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), inLength, nullptr, 0, nullptr, nullptr);
    if (outLength <= 0) return {};
    try {
        std::string narrow(size_t(outLength), '\0');
        ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), inLength, narrow.data(), outLength, nullptr,
                              nullptr);
        return narrow;
    } catch (const std::bad_alloc&) {
        return {};
    }
}

}  // namespace corvane::win32
