// Text-to-number rules of the numeric spin fields. The strict rule decides
// what typed text becomes the value; the lenient one reads the program's own
// texts back. Both stop counting digits before any sum could overflow.
#include "toolkit/spin_text.h"

#include <limits>

namespace corvane {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Magnitude of a digit run, held at just above the 32-bit range once it
// passes it, so that long runs cannot overflow.
int64_t ReadMagnitude(std::string_view digits) {
    constexpr int64_t kCeiling = int64_t{std::numeric_limits<int32_t>::max()} + 2;
    int64_t value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value >= kCeiling) return kCeiling;
    }
    return value;
}

}  // namespace

std::optional<int32_t> ParseFieldValue(std::string_view text, int32_t minimum, int32_t maximum) {
    // Empty text keeps the previous value; a '+' or blanks are not a number.
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view digits = negative ? text.substr(1) : text;
    if (digits.empty()) return std::nullopt;
    for (char c : digits) {
        if (!IsDigit(c)) return std::nullopt;
    }
    const int64_t magnitude = ReadMagnitude(digits);
    const int64_t value = negative ? -magnitude : magnitude;
    if (value < minimum || value > maximum) return std::nullopt;
    return int32_t(value);
}

int32_t ReadTextAsNumber(std::string_view text) {
    size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
    size_t end = at;
    while (end < text.size() && IsDigit(text[end])) ++end;
    const int64_t magnitude = ReadMagnitude(text.substr(at, end - at));
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return int32_t(value);
}

std::string FormatDecimal(int64_t value) {
    // Built by hand: no locale, no thousands separators, and INT64_MIN works.
    std::string digits;
    uint64_t magnitude = value < 0 ? 0 - uint64_t(value) : uint64_t(value);
    do {
        digits.insert(digits.begin(), char('0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) digits.insert(digits.begin(), '-');
    return digits;
}

}  // namespace corvane
