// Area-averaging resize: hand-computed means, edges, thin images, and a
// brute-force comparison with the exact rational mean for many size pairs.
#include "tests/unit/pixel_access.h"
#include "toolkit/resize.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

namespace corvane {
namespace {

using test::Bgr;
using test::PixelAt;

// Rows from the top, one grey value per pixel.
Image24 GreyImage(const std::vector<std::vector<uint8_t>>& rows) {
    Image24 image = *Image24::Create(int32_t(rows[0].size()), int32_t(rows.size()));
    for (size_t y = 0; y < rows.size(); ++y) {
        for (size_t x = 0; x < rows[y].size(); ++x) {
            for (int c = 0; c < 3; ++c) image.RowFromTop(int32_t(y))[x * 3 + c] = rows[y][x];
        }
    }
    return image;
}

std::vector<std::vector<uint8_t>> GreyRows(const Image24& image) {
    std::vector<std::vector<uint8_t>> rows(size_t(image.height()));
    for (int32_t y = 0; y < image.height(); ++y) {
        for (int32_t x = 0; x < image.width(); ++x) rows[size_t(y)].push_back(PixelAt(image, x, y)[0]);
    }
    return rows;
}

Image24 NoisyImage(int32_t width, int32_t height, uint32_t seed) {
    Image24 image = *Image24::Create(width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t i = 0; i < width * 3; ++i) {
            seed = seed * 1664525u + 1013904223u;
            image.RowFromTop(y)[i] = uint8_t(seed >> 24);
        }
    }
    return image;
}

// The exact mean by coverage over the full grid: target pixel (i, j) spans
// [i * W, (i + 1) * W) in units of 1 / w of a source pixel, and likewise for rows.
uint8_t ExactMean(const Image24& source, int32_t width, int32_t height, int32_t i, int32_t j, int channel) {
    const int64_t W = source.width(), H = source.height();
    const auto overlap = [](int64_t a0, int64_t a1, int64_t b0, int64_t b1) {
        return std::max<int64_t>(0, std::min(a1, b1) - std::max(a0, b0));
    };
    const int64_t x0 = i * W / width, x1 = std::min(W, ((i + 1) * W + width - 1) / width);
    const int64_t y0 = j * H / height, y1 = std::min(H, ((j + 1) * H + height - 1) / height);
    int64_t sum = 0;
    for (int64_t y = y0; y < y1; ++y) {
        const int64_t wy = overlap(j * H, (j + 1) * H, y * height, (y + 1) * height);
        for (int64_t x = x0; x < x1; ++x) {
            const int64_t wx = overlap(i * W, (i + 1) * W, x * width, (x + 1) * width);
            sum += wx * wy * PixelAt(source, int32_t(x), int32_t(y))[channel];
        }
    }
    const int64_t total = W * H;  // (W / width units) * (H / height units), scaled
    return uint8_t((2 * sum + total) / (2 * total));
}

TEST(ResizeSmooth, UniformPicturesStayUniform) {
    const std::array<std::array<int32_t, 4>, 5> sizes = {{{7, 5, 3, 2}, {1441, 3, 1440, 2}, {3, 3, 8, 7}, {10, 1, 1, 1}, {640, 480, 13, 11}}};
    for (const auto& s : sizes) {
        Image24 source = *Image24::Create(s[0], s[1]);
        for (int32_t y = 0; y < s[1]; ++y) {
            for (int32_t x = 0; x < s[0]; ++x) std::memcpy(source.RowFromTop(y) + x * 3, "\x11\x80\xFA", 3);
        }
        const auto result = ResizeSmooth(source, s[2], s[3]);
        ASSERT_TRUE(result);
        for (int32_t y = 0; y < s[3]; ++y) {
            for (int32_t x = 0; x < s[2]; ++x) ASSERT_EQ(PixelAt(*result, x, y), (Bgr{0x11, 0x80, 0xFA})) << s[0] << "x" << s[1];
        }
    }
}

TEST(ResizeSmooth, HalvingAveragesEachBlockRoundingToNearest) {
    // Block means 0.25, 0.5, 0.75 and 127.5: the halves round up.
    const Image24 source = GreyImage({{0, 1, 1, 0, 1, 1, 255, 0}, {0, 0, 0, 1, 1, 0, 255, 0}});
    const auto result = ResizeSmooth(source, 4, 1);
    ASSERT_TRUE(result);
    EXPECT_EQ(GreyRows(*result), (std::vector<std::vector<uint8_t>>{{0, 1, 1, 128}}));
}

TEST(ResizeSmooth, ThreeToTwoWeighsTheSharedPixelByHalf) {
    // Each target pixel covers 1.5 source pixels: the middle ones count one half
    // per axis, so weights are 4, 2, 2, 1 (of 9) for the top-left target pixel.
    const Image24 source = GreyImage({{0, 90, 255}, {90, 180, 30}, {255, 30, 60}});
    const auto result = ResizeSmooth(source, 2, 2);
    ASSERT_TRUE(result);
    // (4*0 + 2*90 + 2*90 + 180) / 9 = 60; (2*90 + 4*255 + 180 + 2*30) / 9 = 160;
    // (2*90 + 180 + 4*255 + 2*30) / 9 = 160; (180 + 2*30 + 2*30 + 4*60) / 9 = 60.
    EXPECT_EQ(GreyRows(*result), (std::vector<std::vector<uint8_t>>{{60, 160}, {160, 60}}));
}

TEST(ResizeSmooth, EdgePixelsCountOnlyTheirCoveredParts) {
    // Five to two: weights 2, 2, 1 | 1, 2, 2 (of 5); the last column alone is 250.
    const Image24 source = GreyImage({{0, 0, 0, 0, 250}});
    const auto result = ResizeSmooth(source, 2, 1);
    ASSERT_TRUE(result);
    EXPECT_EQ(GreyRows(*result), (std::vector<std::vector<uint8_t>>{{0, 100}}));
}

TEST(ResizeSmooth, ThinPicturesAndASinglePixelTarget) {
    const Image24 column = GreyImage({{10}, {20}, {30}, {40}, {50}, {60}});
    const auto shorter = ResizeSmooth(column, 1, 4);
    ASSERT_TRUE(shorter);
    // Six to four: weights 2, 1 | 1, 2 in thirds. (20+20)/3 rounds 13.33 -> 13 etc.
    EXPECT_EQ(GreyRows(*shorter), (std::vector<std::vector<uint8_t>>{{13}, {27}, {43}, {57}}));

    const Image24 row = GreyImage({{10, 20, 30, 40, 50, 60}});
    const auto narrower = ResizeSmooth(row, 4, 1);
    ASSERT_TRUE(narrower);
    EXPECT_EQ(GreyRows(*narrower), (std::vector<std::vector<uint8_t>>{{13, 27, 43, 57}}));

    const auto single = ResizeSmooth(GreyImage({{0, 100}, {200, 1}}), 1, 1);
    ASSERT_TRUE(single);
    EXPECT_EQ(PixelAt(*single, 0, 0), (Bgr{75, 75, 75}));  // 301 / 4 = 75.25
}

TEST(ResizeSmooth, MatchesTheExactMeanForManySizePairs) {
    const Image24 source = NoisyImage(13, 11, 99);
    for (int32_t width = 1; width <= 17; ++width) {
        for (int32_t height = 1; height <= 15; height += 2) {
            auto small = ResizeSmooth(source, width, height);
            ASSERT_TRUE(small);
            for (int32_t j = 0; j < height; ++j) {
                for (int32_t i = 0; i < width; ++i) {
                    for (int c = 0; c < 3; ++c) {
                        ASSERT_EQ(PixelAt(*small, i, j)[c], ExactMean(source, width, height, i, j, c))
                            << width << "x" << height << " at " << i << "," << j;
                    }
                }
            }
        }
    }
}

// Sizes with no common factor give sums past the one-multiply division.
TEST(ResizeSmooth, HugeCoprimeSizesStayExact) {
    const Image24 source = NoisyImage(3001, 3001, 7);
    const auto result = ResizeSmooth(source, 3000, 2999);
    ASSERT_TRUE(result);
    for (int32_t k = 0; k < 200; ++k) {
        const int32_t i = (k * 1237) % 3000, j = (k * 811) % 2999;
        for (int c = 0; c < 3; ++c) ASSERT_EQ(PixelAt(*result, i, j)[c], ExactMean(source, 3000, 2999, i, j, c));
    }
}

TEST(ResizeSmooth, RefusesInvalidTargetSizes) {
    const Image24 source = NoisyImage(4, 4, 1);
    EXPECT_FALSE(ResizeSmooth(source, 0, 3));
    EXPECT_FALSE(ResizeSmooth(source, 3, -1));
    EXPECT_FALSE(ResizeSmooth(source, kMaxImageSide + 1, 1));
}

}  // namespace
}  // namespace corvane
