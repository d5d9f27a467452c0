// Pixel-exact checks of the overlay on small previews.
#include "selection/overlay.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace corvane {
namespace {

// Pixel classes of a painted canvas over an all-black preview.
char Classify(const Image24& canvas, int32_t x, int32_t y) {
    const uint8_t* p = canvas.RowFromTop(y) + 3 * x;
    if (p[0] != p[1] || p[1] != p[2]) return '?';
    switch (p[0]) {
        case 0: return '#';     // preview or frame (black)
        case 200: return '.';   // veiled black
        case 255: return 'o';   // handle inside (white)
        default: return '?';
    }
}

std::vector<std::string> Paint(Size size, Rect selection) {
    auto preview = Image24::Create(size.width, size.height);
    auto canvas = Image24::Create(size.width, size.height);
    std::memset(canvas->bits(), 0x7F, canvas->byteCount());  // a previous frame's leftovers
    PaintOverlay(*canvas, *preview, selection);
    std::vector<std::string> rows;
    for (int32_t y = 0; y < size.height; ++y) {
        std::string row;
        for (int32_t x = 0; x < size.width; ++x) row += Classify(*canvas, x, y);
        rows.push_back(row);
    }
    return rows;
}

TEST(Overlay, EmptySelectionVeilsEverything) {
    for (Rect empty : {Rect{0, 0, 0, 0}, Rect{10, 10, 5, 0}, Rect{2, 2, -3, 4}}) {
        for (const std::string& row : Paint({12, 9}, empty)) EXPECT_EQ(row, std::string(12, '.'));
    }
}

TEST(Overlay, VeilBlendsBlackToTwoHundredAndKeepsWhite) {
    auto preview = Image24::Create(4, 1);
    std::memset(preview->bits() + 6, 0xFF, 6);  // the two right pixels white
    auto canvas = Image24::Create(4, 1);
    PaintOverlay(*canvas, *preview, {});
    const uint8_t* row = canvas->RowFromTop(0);
    EXPECT_EQ(row[0], 200);
    EXPECT_EQ(row[9], 255);
}

TEST(Overlay, SelectionKeepsThePreviewInsideAndVeilsTheOutside) {
    const auto rows = Paint({40, 30}, {10, 4, 20, 22});
    EXPECT_EQ(rows[0], std::string(40, '.'));
    EXPECT_EQ(rows[29], std::string(40, '.'));
    EXPECT_EQ(rows[9], std::string(10, '.') + std::string(20, '#') + std::string(10, '.'));
    EXPECT_EQ(rows[4].substr(14, 3), "###");  // the top frame between two handles
}

TEST(Overlay, HandlesSitOnTheFirstAndLastPixelsInside) {
    const auto rows = Paint({40, 30}, {10, 8, 20, 14});
    // Handle centres: x 10, 20, 29; y 8, 15, 21. Each is white 5 x 5 inside a black 7 x 7 border.
    for (int32_t cx : {10, 20, 29}) {
        for (int32_t cy : {8, 21}) {
            EXPECT_EQ(rows[cy][cx], 'o') << cx << "," << cy;
            EXPECT_EQ(rows[cy - 3][cx], '#') << cx << "," << cy;
            EXPECT_EQ(rows[cy][cx + 3], '#') << cx << "," << cy;
        }
    }
    EXPECT_EQ(rows[15][10], 'o');
    EXPECT_EQ(rows[15][29], 'o');
    EXPECT_EQ(rows[15][20], '#');  // no handle in the centre: preview (black)
}

TEST(Overlay, FullPreviewSelectionCutsTheHandlesAtTheEdges) {
    const auto rows = Paint({20, 16}, {0, 0, 20, 16});
    for (const auto& row : rows) EXPECT_EQ(row.find('.'), std::string::npos);
    // Corner handle: 4 x 4 inside the canvas, white 3 x 3 and a border on the far sides.
    EXPECT_EQ(rows[0].substr(0, 5), "ooo##");  // white, border at x 3, then the frame
    EXPECT_EQ(rows[3].substr(0, 4), "####");
    // Top-middle handle at x 10: 7 wide, 4 high.
    EXPECT_EQ(rows[0].substr(7, 7), "#ooooo#");
    EXPECT_EQ(rows[3].substr(7, 7), "#######");
    // Middle-left handle at y 8: 4 wide, 7 high.
    EXPECT_EQ(rows[5].substr(0, 4), "####");
    EXPECT_EQ(rows[8].substr(0, 4), "ooo#");
    EXPECT_EQ(rows[11].substr(0, 4), "####");
}

TEST(Overlay, OnePixelSelectionShowsOneHandle) {
    const auto rows = Paint({15, 15}, {7, 7, 1, 1});
    EXPECT_EQ(rows[7].substr(4, 7), "#ooooo#");  // the white inside covers the one-pixel frame
    EXPECT_EQ(rows[4].substr(4, 7), "#######");
    EXPECT_EQ(rows[3], std::string(15, '.'));
    EXPECT_EQ(rows[7].substr(0, 4), "....");
}

TEST(Overlay, TwoWideSelectionSharesTheMiddleAndRightHandles) {
    const auto rows = Paint({20, 24}, {6, 6, 2, 12});
    // The top-middle and top-right handles both sit at x 7, over the top-left one at x 6.
    EXPECT_EQ(rows[6].substr(3, 8), "##ooooo#");
}

TEST(Overlay, SelectionTouchingTheRightEdgeHasNoRightBand) {
    const auto rows = Paint({30, 20}, {10, 2, 20, 16});
    EXPECT_EQ(rows[6], std::string(10, '.') + std::string(20, '#'));
}

TEST(Overlay, RedrawLeavesNoTraceOfThePreviousFrame) {
    auto preview = Image24::Create(30, 20);
    auto canvas = Image24::Create(30, 20);
    PaintOverlay(*canvas, *preview, {2, 2, 10, 10});
    PaintOverlay(*canvas, *preview, {15, 8, 10, 10});
    auto fresh = Image24::Create(30, 20);
    PaintOverlay(*fresh, *preview, {15, 8, 10, 10});
    EXPECT_EQ(std::memcmp(canvas->bits(), fresh->bits(), canvas->byteCount()), 0);
}

}  // namespace
}  // namespace corvane
