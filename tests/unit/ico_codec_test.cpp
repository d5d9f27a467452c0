// ICO decoding: pixels and transparency of each supported depth, the choice
// of entry, and refusal of broken files.
#include "toolkit/ico_codec.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "tests/unit/bitmap_builders.h"

namespace corvane {
namespace {

using testing::BuildIco;
using testing::IconEntryFields;
using Bgra = std::array<uint8_t, 4>;

std::vector<Bgra> PixelsOf(const IconImage& icon) {
    std::vector<Bgra> pixels(size_t(icon.width) * size_t(icon.height));
    for (size_t i = 0; i < pixels.size(); ++i) {
        for (int c = 0; c < 4; ++c) pixels[i][c] = icon.bgra[i * 4 + c];
    }
    return pixels;
}

// A square 32-bit icon in one flat colour with an empty mask.
IconEntryFields Flat32(int32_t side, uint8_t blue, uint8_t alpha) {
    IconEntryFields entry;
    entry.width = entry.height = side;
    for (int32_t y = 0; y < side; ++y) {
        std::vector<uint8_t> row;
        for (int32_t x = 0; x < side; ++x) {
            for (uint8_t byte : {blue, uint8_t(0), uint8_t(0), alpha}) row.push_back(byte);
        }
        entry.colourRows.push_back(row);
        entry.maskRows.push_back(std::vector<uint8_t>(size_t((side + 7) / 8), 0));
    }
    return entry;
}

struct PixelCase {
    const char* name;
    IconEntryFields entry;
    std::vector<Bgra> topFirst;
};

IconEntryFields Entry(uint16_t bits, std::vector<uint32_t> palette, std::vector<std::vector<uint8_t>> colour,
                    std::vector<std::vector<uint8_t>> mask) {
    IconEntryFields entry;
    entry.width = 2;
    entry.height = 2;
    entry.bitCount = entry.directoryBitCount = bits;
    entry.palette = std::move(palette);
    entry.colourRows = std::move(colour);
    entry.maskRows = std::move(mask);
    return entry;
}

TEST(DecodeIco, ReadsEachDepthWithItsTransparency) {
    const PixelCase cases[] = {
        {"32 bits carry their own alpha, bottom row stored first",
         Entry(32, {}, {{1, 2, 3, 4, 5, 6, 7, 8}, {9, 10, 11, 12, 13, 14, 15, 16}}, {{0xC0}, {0xC0}}),
         {{9, 10, 11, 12}, {13, 14, 15, 16}, {1, 2, 3, 4}, {5, 6, 7, 8}}},
        {"32 bits with no alpha at all fall back to the mask",
         Entry(32, {}, {{1, 2, 3, 0, 5, 6, 7, 0}, {9, 10, 11, 0, 13, 14, 15, 0}}, {{0x80}, {0x40}}),
         {{9, 10, 11, 255}, {13, 14, 15, 0}, {1, 2, 3, 0}, {5, 6, 7, 255}}},
        {"24 bits take alpha from the mask",
         Entry(24, {}, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}, {{0x40}, {0x00}}),
         {{7, 8, 9, 255}, {10, 11, 12, 255}, {1, 2, 3, 255}, {4, 5, 6, 0}}},
        {"8 bits through the colour table",
         Entry(8, {0x000000, 0x102030}, {{1, 0}, {0, 1}}, {{0x00}, {0x80}}),
         {{0, 0, 0, 0}, {0x30, 0x20, 0x10, 255}, {0x30, 0x20, 0x10, 255}, {0, 0, 0, 255}}},
        {"4 bits with an index past a short table read black",
         Entry(4, {0x0000FF}, {{0x0F}, {0x00}}, {{0x00}, {0x00}}),
         {{0xFF, 0, 0, 255}, {0xFF, 0, 0, 255}, {0xFF, 0, 0, 255}, {0, 0, 0, 255}}},
        {"1 bit, high bit first",
         Entry(1, {0x000000, 0xFFFFFF}, {{0x80}, {0x40}}, {{0x00}, {0x00}}),
         {{0, 0, 0, 255}, {255, 255, 255, 255}, {255, 255, 255, 255}, {0, 0, 0, 255}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto icon = DecodeIco(BuildIco({c.entry}));
        ASSERT_TRUE(icon);
        EXPECT_EQ(icon->width, 2);
        EXPECT_EQ(icon->height, 2);
        EXPECT_EQ(PixelsOf(*icon), c.topFirst);
    }
}

TEST(DecodeIco, TakesTheFirstEntrysSizeAtItsDeepestDepth) {
    IconEntryFields first = Flat32(2, 10, 255), larger = Flat32(4, 20, 255), deeper = Flat32(2, 30, 255),
                  shallower = Flat32(2, 40, 255);
    first.directoryBitCount = 8;
    shallower.directoryBitCount = 4;
    const auto icon = DecodeIco(BuildIco({first, larger, shallower, deeper}));
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->width, 2);
    EXPECT_EQ(icon->bgra[0], 30);

    // The first entry wins when nothing of its size is deeper, however large the rest.
    const auto plain = DecodeIco(BuildIco({Flat32(2, 10, 255), Flat32(4, 20, 255)}));
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->width, 2);
    EXPECT_EQ(plain->bgra[0], 10);
}

TEST(DecodeIco, ReadsTheDepthFromTheImageWhenTheDirectoryOmitsIt) {
    IconEntryFields first = Flat32(2, 10, 255), unlabelled = Flat32(2, 50, 255);
    first.directoryBitCount = 24;
    first.bitCount = 32;
    unlabelled.directoryBitCount = 0;
    const auto icon = DecodeIco(BuildIco({first, unlabelled}));
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->bgra[0], 50);
}

std::vector<uint8_t> Patched(std::vector<uint8_t> file, size_t at, std::vector<uint8_t> bytes) {
    for (size_t i = 0; i < bytes.size(); ++i) file[at + i] = bytes[i];
    return file;
}

TEST(DecodeIco, RefusesBrokenFiles) {
    const auto good = BuildIco({Flat32(2, 10, 255)});
    const auto image = size_t(22);  // where the one entry's bitmap starts
    auto noMask24 = Entry(24, {}, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}, {});
    const struct {
        const char* name;
        std::vector<uint8_t> file;
    } cases[] = {
        {"an empty file", {}},
        {"a header only", {0, 0, 1, 0}},
        {"reserved not zero", Patched(good, 0, {1})},
        {"a cursor file", Patched(good, 2, {2})},
        {"no entries", Patched(good, 4, {0, 0})},
        {"more entries than the directory holds", Patched(good, 4, {9, 0})},
        {"data past the end", Patched(good, 18, {0xFF, 0xFF, 0, 0})},
        {"an offset that wraps", Patched(good, 14, {0xFF, 0xFF, 0xFF, 0xFF})},
        {"a size that wraps with the offset", Patched(good, 18, {0xFF, 0xFF, 0xFF, 0xFF})},
        {"a PNG image", Patched(good, image, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'})},
        {"zero width", Patched(good, image + 4, {0, 0, 0, 0})},
        {"a width over 256", Patched(good, image + 4, {1, 1, 0, 0})},
        {"a height of one row for two images", Patched(good, image + 8, {1, 0, 0, 0})},
        {"a negative height", Patched(good, image + 8, {0xFC, 0xFF, 0xFF, 0xFF})},
        {"compressed bits", Patched(good, image + 16, {3})},
        {"16 bits per pixel", Patched(good, image + 14, {16, 0})},
        {"a header size past the data", Patched(good, image, {0xFF, 0, 0, 0})},
        {"colour rows cut off", std::vector<uint8_t>(good.begin(), good.begin() + long(image) + 50)},
        {"24 bits without a mask", BuildIco({noMask24})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(DecodeIco(c.file));
    }
}

}  // namespace
}  // namespace corvane
