// CF_DIB decoding of every layout the clipboard may carry, refusal of broken
// blocks, and the exact bytes of the block the program writes.
#include "toolkit/dib_codec.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "tests/unit/bitmap_builders.h"

namespace corvane {
namespace {

using testing::BuildDib;
using testing::DibFields;
using Bgr = std::array<uint8_t, 3>;

std::vector<Bgr> PixelsTopFirst(const Image24& image) {
    std::vector<Bgr> pixels;
    for (int32_t y = 0; y < image.height(); ++y) {
        const uint8_t* row = image.RowFromTop(y);
        for (int32_t x = 0; x < image.width(); ++x) pixels.push_back({row[x * 3], row[x * 3 + 1], row[x * 3 + 2]});
    }
    return pixels;
}

std::vector<uint8_t> Le16(std::initializer_list<uint16_t> values) {
    std::vector<uint8_t> out;
    for (uint16_t v : values) testing::Put16(out, v);
    return out;
}
std::vector<uint8_t> Le32(std::initializer_list<uint32_t> values) {
    std::vector<uint8_t> out;
    for (uint32_t v : values) testing::Put32(out, v);
    return out;
}

struct LayoutCase {
    const char* name;
    DibFields fields;
    int32_t width, height;
    std::vector<Bgr> topFirst;
};

DibFields Fields(uint32_t headerSize, int32_t width, int32_t height, uint16_t bits, uint32_t compression,
             std::vector<std::vector<uint8_t>> rows) {
    DibFields fields;
    fields.headerSize = headerSize;
    fields.width = width;
    fields.height = height;
    fields.bitCount = bits;
    fields.compression = compression;
    fields.rows = std::move(rows);
    return fields;
}

DibFields WithPalette(DibFields fields, std::vector<uint32_t> palette, uint32_t coloursUsed) {
    fields.palette = std::move(palette);
    fields.coloursUsed = coloursUsed;
    return fields;
}

DibFields WithMasks(DibFields fields, std::vector<uint32_t> masks) {
    fields.masks = std::move(masks);
    return fields;
}

DibFields WithTrailer(DibFields fields, std::vector<uint8_t> trailer) {
    fields.trailer = std::move(trailer);
    return fields;
}

std::vector<uint32_t> Sixteen() {
    std::vector<uint32_t> palette(16, 0);
    palette[1] = 0x112233;
    palette[15] = 0xFFEEDD;
    return palette;
}

std::vector<LayoutCase> LayoutCases() {
    return {
        {"one bit per pixel, bottom row stored first",
         WithPalette(Fields(40, 3, 2, 1, 0, {{0b10100000}, {0b01000000}}), {0x000000, 0xFF8040}, 0), 3, 2,
         {{0, 0, 0}, {0x40, 0x80, 0xFF}, {0, 0, 0}, {0x40, 0x80, 0xFF}, {0, 0, 0}, {0x40, 0x80, 0xFF}}},
        {"four bits per pixel with the full table when the count is zero",
         WithPalette(Fields(40, 3, 1, 4, 0, {{0x1F, 0x00}}), Sixteen(), 0), 3, 1,
         {{0x33, 0x22, 0x11}, {0xDD, 0xEE, 0xFF}, {0, 0, 0}}},
        {"eight bits with a short table reads indexes past it as black",
         WithPalette(Fields(40, 3, 1, 8, 0, {{0, 1, 200}}), {0x0000FF, 0x00FF00}, 2), 3, 1,
         {{0xFF, 0, 0}, {0, 0xFF, 0}, {0, 0, 0}}},
        {"sixteen bits default to 5-5-5 scaled by rounding",
         Fields(40, 3, 1, 16, 0, {Le16({0x7FFF, 0x4210, 0x001F})}), 3, 1,
         {{255, 255, 255}, {132, 132, 132}, {255, 0, 0}}},
        {"sixteen bits 5-6-5 with the masks after a plain header",
         WithMasks(Fields(40, 2, 1, 16, 3, {Le16({0xF800, 0x07E0 | 0x0001})}), {0xF800, 0x07E0, 0x001F}), 2, 1,
         {{0, 0, 255}, {8, 255, 0}}},
        {"sixteen bits 5-5-5 as bit fields in a V5 header, top-down",
         WithMasks(Fields(124, 1, -2, 16, 3, {Le16({0x7C00}), Le16({0x03E0})}), {0x7C00, 0x03E0, 0x001F}), 1, 2,
         {{0, 0, 255}, {0, 255, 0}}},
        {"twenty-four bits with padded rows",
         Fields(40, 2, 2, 24, 0, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}), 2, 2,
         {{7, 8, 9}, {10, 11, 12}, {1, 2, 3}, {4, 5, 6}}},
        {"twenty-four bits top-down",
         Fields(40, 1, -2, 24, 0, {{1, 2, 3}, {7, 8, 9}}), 1, 2,
         {{1, 2, 3}, {7, 8, 9}}},
        {"twenty-four bits with a V4 header and a skipped display palette",
         WithPalette(Fields(108, 1, 1, 24, 0, {{9, 8, 7}}), {0x123456, 0x654321}, 2), 1, 1,
         {{9, 8, 7}}},
        {"thirty-two bits drop the alpha byte",
         Fields(40, 2, 1, 32, 0, {{1, 2, 3, 0xFF, 4, 5, 6, 0x00}}), 2, 1,
         {{1, 2, 3}, {4, 5, 6}}},
        {"thirty-two bits with red in the low byte",
         WithMasks(Fields(40, 1, 1, 32, 3, {Le32({0x00332211})}), {0x000000FF, 0x0000FF00, 0x00FF0000}), 1, 1,
         {{0x33, 0x22, 0x11}}},
        {"thirty-two bit fields in a V5 header with the profile after the pixels",
         WithTrailer(WithMasks(Fields(124, 1, 1, 32, 3, {Le32({0x80112233})}),
                               {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000}),
                     std::vector<uint8_t>(64, 0xAB)),
         1, 1, {{0x33, 0x22, 0x11}}},
        {"ten-bit channels scale down by rounding",
         WithMasks(Fields(40, 1, 1, 32, 3, {Le32({(1023u << 20) | (512u << 10) | 1u})}),
                   {0x3FF00000, 0x000FFC00, 0x000003FF}),
         1, 1, {{0, 128, 255}}},
        {"a V3 header of 56 bytes holds its masks",
         WithMasks(Fields(56, 1, 1, 16, 3, {Le16({0x001F})}), {0x001F, 0x07E0, 0xF800, 0}), 1, 1,
         {{0, 0, 255}}},
    };
}

TEST(DecodeDib, ReadsEveryLayoutToExactPixels) {
    for (const auto& c : LayoutCases()) {
        SCOPED_TRACE(c.name);
        const auto block = BuildDib(c.fields);
        const auto result = DecodeDib(block);
        ASSERT_TRUE(result.image) << result.error;
        EXPECT_TRUE(result.error.empty());
        EXPECT_EQ(result.image->width(), c.width);
        EXPECT_EQ(result.image->height(), c.height);
        EXPECT_EQ(PixelsTopFirst(*result.image), c.topFirst);
    }
}

struct BrokenCase {
    const char* name;
    std::vector<uint8_t> block;
    const char* errorPart;
};

std::vector<uint8_t> Patched(std::vector<uint8_t> block, size_t at, std::vector<uint8_t> bytes) {
    for (size_t i = 0; i < bytes.size(); ++i) block[at + i] = bytes[i];
    return block;
}

std::vector<uint8_t> Truncated(std::vector<uint8_t> block, size_t drop) {
    block.resize(block.size() - drop);
    return block;
}

std::vector<BrokenCase> BrokenCases() {
    const auto good = BuildDib(Fields(40, 2, 2, 24, 0, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}));
    const auto masked = BuildDib(WithMasks(Fields(40, 1, 1, 16, 3, {Le16({1})}), {0xF800, 0x07E0, 0x001F}));
    const auto indexed = BuildDib(WithPalette(Fields(40, 1, 1, 8, 0, {{0}}), {0, 0}, 2));
    const auto header = [&](uint32_t size) { return Patched(good, 0, Le32({size})); };
    const auto at = [&](size_t offset, std::vector<uint8_t> bytes) { return Patched(good, offset, bytes); };
    return {
        {"an empty block", {}, "too short"},
        {"three bytes", {40, 0, 0}, "too short"},
        {"an unknown header size", header(41), "header size"},
        {"a core header", header(12), "header size"},
        {"a header longer than the block", Truncated(header(124), good.size() - 100), "header is truncated"},
        {"a block cut inside the header", std::vector<uint8_t>(good.begin(), good.begin() + 39), "truncated"},
        {"zero width", at(4, Le32({0})), "width"},
        {"negative width", at(4, Le32({uint32_t(-2)})), "width"},
        {"zero height", at(8, Le32({0})), "height is zero"},
        {"the most negative height", at(8, Le32({0x80000000u})), "32768"},
        {"a side over 32768", at(4, Le32({32769})), "32768"},
        {"over 1 GiB of pixels", at(4, Le32({32768, 32768})), "1 GiB"},
        {"pixel rows one byte short", Truncated(good, 1), "pixel data is truncated"},
        {"rows far beyond the block", at(8, Le32({30000})), "pixel data is truncated"},
        {"two bits per pixel", at(14, Le16({2})), "bits per pixel"},
        {"zero bits per pixel", at(14, Le16({0})), "bits per pixel"},
        {"run-length 8", at(16, Le32({1})), "run-length"},
        {"run-length 4", at(16, Le32({2})), "run-length"},
        {"JPEG inside", at(16, Le32({4})), "JPEG or PNG"},
        {"PNG inside", at(16, Le32({5})), "JPEG or PNG"},
        {"alpha bit fields", at(16, Le32({6})), "unknown compression"},
        {"bit fields on 24 bits", at(16, Le32({3})), "bit fields need"},
        {"a zero mask", Patched(masked, 40, Le32({0})), "mask"},
        {"a split mask", Patched(masked, 44, Le32({0x0F0F})), "mask"},
        {"a mask outside 16 bits", Patched(masked, 48, Le32({0x10000})), "mask"},
        {"masks cut off", std::vector<uint8_t>(masked.begin(), masked.begin() + 48), "masks are truncated"},
        {"a colour table cut off", Truncated(indexed, 5), "colour table is truncated"},
        {"more colours than 8 bits allow", Patched(indexed, 32, Le32({257})), "larger than the bit depth"},
        {"a huge colour count on 24 bits", at(32, Le32({0xFFFFFFFF})), "colour table is truncated"},
    };
}

TEST(DecodeDib, RefusesBrokenBlocksWithAReason) {
    for (const auto& c : BrokenCases()) {
        SCOPED_TRACE(c.name);
        const auto result = DecodeDib(c.block);
        EXPECT_FALSE(result.image);
        EXPECT_NE(result.error.find(c.errorPart), std::string::npos) << result.error;
    }
}

Image24 NoisyImage(int32_t width, int32_t height) {
    Image24 image = *Image24::Create(width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t i = 0; i < width * 3; ++i) image.RowFromTop(y)[i] = uint8_t(i * 37 + y * 101 + 5);
    }
    return image;
}

TEST(EncodeDib, RoundTripsThroughTheDecoder) {
    for (int32_t width : {1, 2, 3, 4, 5, 17}) {
        const Image24 image = NoisyImage(width, 3);
        const auto result = DecodeDib(EncodeDib(image));
        ASSERT_TRUE(result.image) << result.error;
        ASSERT_EQ(result.image->size(), image.size());
        EXPECT_EQ(PixelsTopFirst(*result.image), PixelsTopFirst(image)) << "width " << width;
    }
}

TEST(EncodeDib, WritesTheFortyByteHeaderAndPaddedRows) {
    Image24 image = *Image24::Create(5, 2);
    for (int32_t i = 0; i < 15; ++i) {
        image.RowFromTop(0)[i] = uint8_t(100 + i);  // top row
        image.RowFromTop(1)[i] = uint8_t(i);        // bottom row, stored first
    }
    std::vector<uint8_t> expected = {40, 0, 0, 0, 5, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0,
                                     32, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (int32_t i = 0; i < 15; ++i) expected.push_back(uint8_t(i));
    expected.push_back(0);
    for (int32_t i = 0; i < 15; ++i) expected.push_back(uint8_t(100 + i));
    expected.push_back(0);
    EXPECT_EQ(EncodeDib(image), expected);
}

}  // namespace
}  // namespace corvane
