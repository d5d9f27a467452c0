// Conversions between the program's UTF-8 strings and the system's UTF-16.
// Invalid input never fails: ill-formed sequences become U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace corvane::win32 {

std::wstring Widen(std::string_view utf8) noexcept;
std::string Narrow(std::wstring_view utf16) noexcept;

}  // namespace corvane::win32
