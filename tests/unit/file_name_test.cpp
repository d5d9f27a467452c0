// The date masks and the export file name built from them.
#include "export/file_name.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace {

constexpr LocalTime kMay1st{2012, 5, 1, 9, 5, 3};
constexpr LocalTime kDec9th{2012, 12, 9, 18, 5, 7};

struct MaskCase {
    std::string name;
    std::string mask;
    LocalTime time;
    std::string expected;
};

class DateMask : public testing::TestWithParam<MaskCase> {};

TEST_P(DateMask, Formats) { EXPECT_EQ(FormatDateMask(GetParam().mask, GetParam().time), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    FileName, DateMask,
    testing::Values(
        MaskCase{"DateMaskPadsSingleDigits", "%dd_%mm_%yyyy", kMay1st, "01_05_2012"},
        MaskCase{"TimeMaskPadsSingleDigits", "%hh.%ii.%ss", kMay1st, "09.05.03"},
        MaskCase{"TimeMaskUsesTheTwentyFourHourClock", "%hh.%ii.%ss", kDec9th, "18.05.07"},
        MaskCase{"UpperCaseTokens", "%DD_%MM_%YYYY %HH.%II.%SS", kDec9th, "09_12_2012 18.05.07"},
        MaskCase{"MixedCaseTokens", "%dD_%Mm_%yYyY %hH.%iI.%Ss %Yy", kDec9th, "09_12_2012 18.05.07 12"},
        MaskCase{"TwoDigitYear", "%yy", LocalTime{2007, 1, 1, 0, 0, 0}, "07"},
        MaskCase{"FourDigitYearIsTriedFirst", "%yyyy|%yyy|%yy", kDec9th, "2012|12y|12"},
        MaskCase{"LonePercentIsCopied", "100% %x %", kDec9th, "100% %x %"},
        MaskCase{"PercentAtTheEndIsCopied", "%dd%", kDec9th, "09%"},
        MaskCase{"DoublePercentBeforeAToken", "%%dd", kDec9th, "%09"},
        MaskCase{"IncompleteTokenIsCopied", "%d %m %h", kDec9th, "%d %m %h"},
        MaskCase{"TextWithoutTokens", "plain text", kDec9th, "plain text"},
        MaskCase{"EmptyMask", "", kDec9th, ""}),
    [](const auto& testCase) { return testCase.param.name; });

TEST(FileName, ExportNameJoinsDateAndTime) {
    EXPECT_EQ(ExportFileName(kMay1st, kMay1st), "01_05_2012 - 09.05.03.jpg");
    EXPECT_EQ(ExportFileName(kDec9th, kDec9th), "09_12_2012 - 18.05.07.jpg");
}

TEST(FileName, ExportNameTakesTheDateFromTheFirstReadingAndTheTimeFromTheSecond) {
    // Around midnight the two readings can straddle the day change.
    const LocalTime beforeMidnight{2012, 12, 31, 23, 59, 59};
    const LocalTime afterMidnight{2013, 1, 1, 0, 0, 0};
    EXPECT_EQ(ExportFileName(beforeMidnight, afterMidnight), "31_12_2012 - 00.00.00.jpg");
}

}  // namespace
}  // namespace corvane
