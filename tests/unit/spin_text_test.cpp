// The spin fields' text rules: strict whole numbers within the range, the
// lenient reading of the program's own texts, and plain decimal output.
#include "toolkit/spin_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

namespace corvane {
namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TEST(ParseFieldValue, TakesOnlyWholeNumbersWithinTheRange) {
    const struct {
        const char* text;
        int32_t minimum, maximum;
        std::optional<int32_t> expected;
    } cases[] = {
        {"0", 0, 1919, 0},
        {"1919", 0, 1919, 1919},
        {"19190", 0, 1919, std::nullopt},  // one digit too many
        {"007", 0, 1919, 7},
        {"-5", -10, 10, -5},
        {"-5", 0, 10, std::nullopt},
        {"-0", 0, 10, 0},
        {"", 0, 10, std::nullopt},  // keeps the previous value
        {"-", 0, 10, std::nullopt},
        {"+5", 0, 10, std::nullopt},
        {" 5", 0, 10, std::nullopt},
        {"5 ", 0, 10, std::nullopt},
        {"5a", 0, 10, std::nullopt},
        {"1,000", 0, 5000, std::nullopt},
        {"2147483647", 0, kMax, kMax},
        {"2147483648", 0, kMax, std::nullopt},
        {"-2147483648", kMin, 0, kMin},
        {"-2147483649", kMin, 0, std::nullopt},
        {"99999999999999999999999999", 0, kMax, std::nullopt},
        {"00000000000000000000000042", 0, 100, 42},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseFieldValue(c.text, c.minimum, c.maximum), c.expected) << '"' << c.text << '"';
    }
}

TEST(ReadTextAsNumber, ReadsLeadingDigitsLeniently) {
    const struct {
        const char* text;
        int32_t expected;
    } cases[] = {
        {"42", 42},       {"  \t42", 42},   {"-17", -17},  {"+17", 17},
        {"12abc", 12},    {"abc", 0},       {"", 0},       {"-", 0},
        {" - 5", 0},      {"\n5", 0},       {"1919", 1919}, {"2147483647", kMax},
        {"2147483648", kMax}, {"-2147483648", kMin}, {"-99999999999999999999", kMin},
        {"000123", 123},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadTextAsNumber(c.text), c.expected) << '"' << c.text << '"';
}

TEST(FormatDecimal, WritesPlainDigits) {
    EXPECT_EQ(FormatDecimal(0), "0");
    EXPECT_EQ(FormatDecimal(1820), "1820");
    EXPECT_EQ(FormatDecimal(-75), "-75");
    EXPECT_EQ(FormatDecimal(1234567), "1234567");
    EXPECT_EQ(FormatDecimal(std::numeric_limits<int64_t>::min()), "-9223372036854775808");
    EXPECT_EQ(FormatDecimal(std::numeric_limits<int64_t>::max()), "9223372036854775807");
}

TEST(SpinText, FormattedValuesReadBackUnchanged) {
    for (int32_t value : {0, 1, -1, 1919, kMax, kMin}) {
        EXPECT_EQ(ReadTextAsNumber(FormatDecimal(value)), value);
        EXPECT_EQ(ParseFieldValue(FormatDecimal(value), kMin, kMax), value);
    }
}

}  // namespace
}  // namespace corvane
