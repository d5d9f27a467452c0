// How a numeric spin field turns its text into a number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// The value the text stands for, when the whole text is a decimal integer
// within [minimum, maximum]; nothing otherwise (the field keeps its value).
std::optional<int32_t> ParseFieldValue(std::string_view text, int32_t minimum, int32_t maximum);

// Reads text as a number the lenient way: leading blanks and tabs, an optional
// sign, then the digits up to the first other character; no digits reads as 0.
// Saturates at the 32-bit limits.
int32_t ReadTextAsNumber(std::string_view text);

std::string FormatDecimal(int64_t value);

}  // namespace corvane
