// The crop: a 1:1 copy of the field rectangle out of the capture, black
// where the rectangle leaves the capture.
#include "export/crop.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace corvane {
namespace {

struct Bgr {
    uint8_t b, g, r;
    friend bool operator==(Bgr, Bgr) = default;
};
constexpr Bgr kBlack{0, 0, 0};

// Every pixel different from its neighbours and never black, so a shifted,
// mirrored or unfilled copy shows.
Bgr PatternAt(int32_t x, int32_t y) {
    return {uint8_t(x * 7 + 1), uint8_t(y * 13 + 1), uint8_t((x + 3 * y) | 0x80)};
}

Image24 PatternImage(int32_t width, int32_t height) {
    auto image = Image24::Create(width, height);
    EXPECT_TRUE(image);
    for (int32_t y = 0; y < height; ++y) {
        uint8_t* row = image->RowFromTop(y);
        for (int32_t x = 0; x < width; ++x) {
            const Bgr p = PatternAt(x, y);
            row[3 * x] = p.b;
            row[3 * x + 1] = p.g;
            row[3 * x + 2] = p.r;
        }
    }
    return std::move(*image);
}

Bgr PixelAt(const Image24& image, int32_t x, int32_t y) {
    const uint8_t* p = image.RowFromTop(y) + 3 * x;
    return {p[0], p[1], p[2]};
}

// The rule itself, pixel by pixel, for comparison with the fast copy.
void ExpectCropOf(const Image24& capture, Rect fields, const Image24& crop) {
    ASSERT_EQ(crop.width(), fields.width);
    ASSERT_EQ(crop.height(), fields.height);
    for (int32_t j = 0; j < fields.height; ++j) {
        for (int32_t i = 0; i < fields.width; ++i) {
            const int64_t x = int64_t{fields.x} + i, y = int64_t{fields.y} + j;
            const bool inside = x >= 0 && y >= 0 && x < capture.width() && y < capture.height();
            const Bgr expected = inside ? PixelAt(capture, int32_t(x), int32_t(y)) : kBlack;
            ASSERT_EQ(PixelAt(crop, i, j), expected) << "crop pixel " << i << "," << j;
        }
    }
}

TEST(Crop, WholeCaptureIsCopiedByteForByte) {
    const Image24 capture = PatternImage(37, 11);
    auto crop = CropFromCapture(&capture, {0, 0, 37, 11});
    ASSERT_TRUE(crop);
    ASSERT_EQ(crop->byteCount(), capture.byteCount());
    EXPECT_EQ(std::memcmp(crop->bits(), capture.bits(), capture.byteCount()), 0);
}

struct CropCase {
    std::string name;
    Rect fields;
};

class CropRectangles : public testing::TestWithParam<CropCase> {};

TEST_P(CropRectangles, CopiesTheOverlapAndLeavesTheRestBlack) {
    const Image24 capture = PatternImage(20, 12);
    const Rect fields = GetParam().fields;
    auto crop = CropFromCapture(&capture, fields);
    ASSERT_TRUE(crop);
    ExpectCropOf(capture, fields, *crop);
}

INSTANTIATE_TEST_SUITE_P(
    Crop, CropRectangles,
    testing::Values(CropCase{"InsideWithOffset", {3, 2, 9, 5}},
                    CropCase{"FullWidthRowsInTheMiddle", {0, 4, 20, 3}},
                    CropCase{"PastTheRightEdge", {15, 1, 10, 4}},
                    CropCase{"PastTheBottomEdge", {2, 9, 6, 8}},
                    CropCase{"PastTheLeftEdge", {-4, 3, 7, 2}},
                    CropCase{"PastTheTopEdge", {5, -3, 4, 6}},
                    CropCase{"LargerThanTheCaptureOnEverySide", {-2, -2, 25, 17}},
                    CropCase{"FullWidthButShiftedDown", {0, 8, 20, 9}},
                    CropCase{"CaptureWidthShiftedRight", {4, 1, 20, 3}},
                    CropCase{"CaptureWidthShiftedLeft", {-3, 2, 20, 4}},
                    CropCase{"EntirelyOutside", {30, 40, 3, 3}},
                    CropCase{"FiveWideWithPaddedRows", {1, 1, 5, 4}},
                    CropCase{"OnePixel", {19, 11, 1, 1}},
                    CropCase{"NearTheInt32Limits", {2147483600, -2147483600, 4, 4}}),
    [](const auto& testCase) { return testCase.param.name; });

TEST(Crop, FiveWideCropHasSixteenByteRowsWithBlackPadding) {
    const Image24 capture = PatternImage(8, 4);
    auto crop = CropFromCapture(&capture, {2, 1, 5, 3});
    ASSERT_TRUE(crop);
    EXPECT_EQ(crop->stride(), 16);
    for (int32_t j = 0; j < 3; ++j) {
        const uint8_t* row = crop->RowFromTop(j);
        EXPECT_EQ(row[15], 0);
        EXPECT_EQ(PixelAt(*crop, 4, j), PatternAt(6, 1 + j));
    }
}

TEST(Crop, WithoutACaptureIsAllBlack) {
    auto crop = CropFromCapture(nullptr, {0, 0, 6, 3});
    ASSERT_TRUE(crop);
    for (size_t i = 0; i < crop->byteCount(); ++i) ASSERT_EQ(crop->bits()[i], 0);
}

TEST(Crop, GivesNothingWhenTheImageCannotBeCreated) {
    const Image24 capture = PatternImage(4, 4);
    EXPECT_FALSE(CropFromCapture(&capture, {0, 0, 0, 4}));
    EXPECT_FALSE(CropFromCapture(&capture, {0, 0, 4, -1}));
    EXPECT_FALSE(CropFromCapture(&capture, {0, 0, kMaxImageSide + 1, 1}));
}

}  // namespace
}  // namespace corvane
