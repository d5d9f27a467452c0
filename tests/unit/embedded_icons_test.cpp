// Checks the icon files compiled into the program byte by byte, without the
// program's own decoder: layout, sizes, the mask agreeing with the alpha, and
// the rough shape of each picture.
#include "resources/embedded_icons.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace corvane {
namespace {

uint32_t Read16(std::span<const uint8_t> bytes, size_t at) {
    return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8;
}
uint32_t Read32(std::span<const uint8_t> bytes, size_t at) {
    return Read16(bytes, at) | Read16(bytes, at + 2) << 16;
}

struct IconCase {
    const char* name;
    std::span<const uint8_t> (*file)();
    const char* source_path;
    size_t total_bytes;
    std::vector<int> sides;  // in directory order
};

// One image of the file, located through its directory entry.
struct IconEntry {
    int side;
    std::span<const uint8_t> data;

    size_t PixelOffset(int x, int y_from_top) const {
        return 40 + (size_t(side - 1 - y_from_top) * side + x) * 4;
    }
    uint8_t Alpha(int x, int y) const { return data[PixelOffset(x, y) + 3]; }
    bool MaskSaysTransparent(int x, int y) const {
        size_t stride = size_t(side + 31) / 32 * 4;
        size_t row = 40 + size_t(side) * side * 4 + size_t(side - 1 - y) * stride;
        return data[row + x / 8] & (0x80 >> (x % 8));
    }
};

std::vector<IconEntry> Entries(std::span<const uint8_t> file) {
    std::vector<IconEntry> entries;
    for (uint32_t i = 0; i < Read16(file, 4); ++i) {
        size_t at = 6 + 16 * size_t(i);
        entries.push_back({file[at], file.subspan(Read32(file, at + 12), Read32(file, at + 8))});
    }
    return entries;
}

class EmbeddedIcon : public testing::TestWithParam<IconCase> {};

TEST_P(EmbeddedIcon, HasTheStatedSizeAndMatchesItsSourceFile) {
    std::span<const uint8_t> file = GetParam().file();
    EXPECT_EQ(file.size(), GetParam().total_bytes);
    std::ifstream source(std::string(CORVANE_SOURCE_DIR) + "/" + GetParam().source_path,
                         std::ios::binary);
    std::vector<uint8_t> on_disk{std::istreambuf_iterator<char>(source), {}};
    EXPECT_TRUE(std::equal(file.begin(), file.end(), on_disk.begin(), on_disk.end()));
}

TEST_P(EmbeddedIcon, DirectoryListsContiguous32BitImagesInOrder) {
    std::span<const uint8_t> file = GetParam().file();
    ASSERT_GE(file.size(), 6u);
    EXPECT_EQ(Read16(file, 0), 0u);
    EXPECT_EQ(Read16(file, 2), 1u);  // icon, not cursor
    const std::vector<int>& sides = GetParam().sides;
    ASSERT_EQ(Read16(file, 4), sides.size());
    size_t next_offset = 6 + 16 * sides.size();
    for (size_t i = 0; i < sides.size(); ++i) {
        size_t at = 6 + 16 * i;
        SCOPED_TRACE("entry " + std::to_string(i));
        EXPECT_EQ(file[at], sides[i]);
        EXPECT_EQ(file[at + 1], sides[i]);
        EXPECT_EQ(Read16(file, at + 4), 1u);   // planes
        EXPECT_EQ(Read16(file, at + 6), 32u);  // bits per pixel
        EXPECT_EQ(Read32(file, at + 12), next_offset);
        next_offset += Read32(file, at + 8);
    }
    EXPECT_EQ(next_offset, file.size());
}

TEST_P(EmbeddedIcon, EachImageIsABottomUpBitmapWithDoubledHeightAndAMask) {
    for (const IconEntry& entry : Entries(GetParam().file())) {
        SCOPED_TRACE("side " + std::to_string(entry.side));
        size_t mask_bytes = size_t(entry.side + 31) / 32 * 4 * entry.side;
        ASSERT_EQ(entry.data.size(), 40 + size_t(entry.side) * entry.side * 4 + mask_bytes);
        EXPECT_EQ(Read32(entry.data, 0), 40u);
        EXPECT_EQ(Read32(entry.data, 4), uint32_t(entry.side));
        EXPECT_EQ(Read32(entry.data, 8), uint32_t(2 * entry.side));
        EXPECT_EQ(Read16(entry.data, 14), 32u);
        EXPECT_EQ(Read32(entry.data, 16), 0u);  // uncompressed
    }
}

TEST_P(EmbeddedIcon, MaskIsSetExactlyWhereAlphaIsZero) {
    for (const IconEntry& entry : Entries(GetParam().file())) {
        for (int y = 0; y < entry.side; ++y) {
            for (int x = 0; x < entry.side; ++x) {
                ASSERT_EQ(entry.MaskSaysTransparent(x, y), entry.Alpha(x, y) == 0)
                    << "side " << entry.side << " at " << x << "," << y;
            }
        }
    }
}

TEST_P(EmbeddedIcon, CornersAreTransparent) {
    for (const IconEntry& entry : Entries(GetParam().file())) {
        int last = entry.side - 1;
        EXPECT_EQ(entry.Alpha(0, 0) | entry.Alpha(last, 0) | entry.Alpha(0, last) |
                      entry.Alpha(last, last),
                  0)
            << "side " << entry.side;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, EmbeddedIcon,
    testing::Values(IconCase{"TrayIcon", TrayIconFile, "resources/tray_icon.ico", 17542,
                             {48, 32, 24, 16}},
                    IconCase{"MenuButton", MenuButtonIconFile, "resources/menu_button.ico",
                             1150, {16}}),
    [](const testing::TestParamInfo<IconCase>& icon) { return icon.param.name; });

TEST(TrayIconPicture, LensCentreIsOpaqueWhiteAndBodyBesideItIsOpaqueBlack) {
    for (const IconEntry& entry : Entries(TrayIconFile())) {
        SCOPED_TRACE("side " + std::to_string(entry.side));
        // The lens sits in the middle of the body; its glass is white and the
        // body to its left and right is black.
        int middle_x = entry.side / 2;
        int lens_y = entry.side * 9 / 16;
        size_t glass = entry.PixelOffset(middle_x, lens_y);
        EXPECT_EQ(entry.data[glass + 3], 255);
        EXPECT_GE(entry.data[glass] + entry.data[glass + 1] + entry.data[glass + 2], 3 * 240);
        size_t body = entry.PixelOffset(entry.side / 8 + 1, lens_y);
        EXPECT_EQ(entry.data[body + 3], 255);
        EXPECT_EQ(entry.data[body] | entry.data[body + 1] | entry.data[body + 2], 0);
    }
}

TEST(MenuButtonPicture, IsABlackTriangleNarrowingDownward) {
    IconEntry arrow = Entries(MenuButtonIconFile()).at(0);
    std::vector<int> row_widths;
    for (int y = 0; y < arrow.side; ++y) {
        int width = 0;
        for (int x = 0; x < arrow.side; ++x) {
            if (arrow.Alpha(x, y) == 0) continue;
            ++width;
            size_t pixel = arrow.PixelOffset(x, y);
            EXPECT_EQ(arrow.data[pixel] | arrow.data[pixel + 1] | arrow.data[pixel + 2], 0);
        }
        if (width > 0) row_widths.push_back(width);
    }
    ASSERT_GE(row_widths.size(), 3u);
    for (size_t i = 1; i < row_widths.size(); ++i) EXPECT_LT(row_widths[i], row_widths[i - 1]);
}

}  // namespace
}  // namespace corvane
