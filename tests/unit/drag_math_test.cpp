// Hover classification, anchors and drag updates on a 400 x 300 preview with
// the selection (100, 50, 200, 100): last column 299, last row 149.
#include "selection/drag_math.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

constexpr Rect kSelection{100, 50, 200, 100};
constexpr Size kPreview{400, 300};

struct HoverCase {
    Point pointer;
    HoverResult expected;
    int32_t cursor;
};

class Hover : public ::testing::TestWithParam<HoverCase> {};

TEST_P(Hover, ClassifiesThePointerByTheBandsInOrder) {
    const HoverResult got = ClassifyHover(kSelection, GetParam().pointer);
    EXPECT_EQ(got.mode, GetParam().expected.mode);
    if (got.mode != DragMove && got.mode != DragNone) {
        EXPECT_EQ(got.side, GetParam().expected.side);
    }
    EXPECT_EQ(CursorFor(got.mode), GetParam().cursor);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Hover,
    ::testing::Values(HoverCase{{100, 50}, {DragCornerNwSe, 0}, kCursorArrow},
                      HoverCase{{200, 47}, {DragEdgeTopBottom, 0}, kCursorSizeNorthSouth},
                      HoverCase{{299, 52}, {DragCornerNeSw, 0}, kCursorArrow},
                      HoverCase{{97, 100}, {DragEdgeLeftRight, 0}, kCursorSizeWestEast},
                      HoverCase{{302, 103}, {DragEdgeLeftRight, 1}, kCursorSizeWestEast},
                      HoverCase{{296, 146}, {DragCornerNwSe, 1}, kCursorArrow},
                      HoverCase{{103, 152}, {DragCornerNeSw, 1}, kCursorArrow},
                      HoverCase{{197, 149}, {DragEdgeTopBottom, 1}, kCursorSizeNorthSouth},
                      HoverCase{{200, 100}, {DragMove, 0}, kCursorMove},  // centre: no handle
                      HoverCase{{150, 120}, {DragMove, 0}, kCursorMove},
                      HoverCase{{350, 120}, {DragNone, 0}, kCursorArrow},
                      // a band row far outside the columns still moves
                      HoverCase{{380, 50}, {DragMove, 0}, kCursorMove},
                      HoverCase{{96, 50}, {DragMove, 0}, kCursorMove},
                      HoverCase{{5, 100}, {DragMove, 0}, kCursorMove},
                      HoverCase{{100, 46}, {DragNone, 0}, kCursorArrow}));

TEST(Hover, SmallHeightBandsOverlapAndTheirOrderDecides) {
    const Rect small{100, 50, 200, 10};  // hh = 5, last row 59
    for (int32_t y = 47; y <= 53; ++y) EXPECT_EQ(ClassifyHover(small, {100, y}), (HoverResult{DragCornerNwSe, 0})) << y;
    for (int32_t y = 54; y <= 58; ++y) EXPECT_EQ(ClassifyHover(small, {100, y}), (HoverResult{DragEdgeLeftRight, 0})) << y;
    for (int32_t y = 59; y <= 62; ++y) EXPECT_EQ(ClassifyHover(small, {100, y}), (HoverResult{DragCornerNeSw, 1})) << y;
}

struct AnchorCase {
    DragMode mode;
    uint8_t side;
    Point anchor;
};

class Anchor : public ::testing::TestWithParam<AnchorCase> {};

TEST_P(Anchor, IsThePixelThatStaysFixed) {
    EXPECT_EQ(SizingAnchor(GetParam().mode, GetParam().side, kSelection), GetParam().anchor);
}

INSTANTIATE_TEST_SUITE_P(Table, Anchor,
                         ::testing::Values(AnchorCase{DragCornerNwSe, 0, {299, 149}}, AnchorCase{DragCornerNwSe, 1, {100, 50}},
                                           AnchorCase{DragCornerNeSw, 0, {100, 149}}, AnchorCase{DragCornerNeSw, 1, {299, 50}},
                                           AnchorCase{DragEdgeLeftRight, 0, {299, 50}},
                                           AnchorCase{DragEdgeLeftRight, 1, {100, 50}},
                                           AnchorCase{DragEdgeTopBottom, 0, {100, 149}},
                                           AnchorCase{DragEdgeTopBottom, 1, {100, 50}}));

TEST(SizingDrag, LeftEdgeKeepsTheRowsAndFlipsPastTheAnchor) {
    const Point anchor = SizingAnchor(DragEdgeLeftRight, 0, kSelection);
    const Rect first = SizingDragStep({120, 180}, anchor, DragEdgeLeftRight, kSelection);
    EXPECT_EQ(first, (Rect{120, 50, 179, 100}));
    EXPECT_EQ(SizingDragStep({350, 10}, anchor, DragEdgeLeftRight, first), (Rect{299, 50, 51, 100}));
}

TEST(SizingDrag, CornerAndFreshRectangleSpanAnchorToPointer) {
    EXPECT_EQ(SizingDragStep({0, 0}, {299, 149}, DragCornerNwSe, kSelection), (Rect{0, 0, 299, 149}));
    EXPECT_EQ(SizingDragStep({10, 90}, {30, 40}, DragNone, kSelection), (Rect{10, 40, 20, 50}));
    EXPECT_EQ(SizingDragStep({399, 299}, {0, 0}, DragNone, kSelection), (Rect{0, 0, 399, 299}));
    EXPECT_EQ(SizingDragStep({30, 40}, {30, 40}, DragNone, kSelection), (Rect{30, 40, 0, 0}));
}

TEST(SizingDrag, TopEdgeKeepsTheColumns) {
    EXPECT_EQ(SizingDragStep({5, 200}, {100, 149}, DragEdgeTopBottom, kSelection), (Rect{100, 149, 200, 51}));
}

TEST(MoveDrag, StopsAtThePreviewEdges) {
    EXPECT_EQ(MoveDragStep({399, 299}, {50, 70}, kSelection, kPreview), (Rect{200, 200, 200, 100}));
    EXPECT_EQ(MoveDragStep({10, 10}, {50, 70}, kSelection, kPreview), (Rect{0, 0, 200, 100}));
    EXPECT_EQ(MoveDragStep({160, 125}, {50, 70}, kSelection, kPreview), (Rect{110, 55, 200, 100}));
}

}  // namespace
}  // namespace corvane
