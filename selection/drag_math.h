// Hit tests and drag updates of the selection, as free functions over plain
// data. All coordinates are preview pixels; all bounds are inclusive.
#pragma once

#include <cstdint>

#include "app/program_state.h"
#include "toolkit/geometry.h"

namespace corvane {

struct HoverResult {
    DragMode mode = DragNone;
    uint8_t side = 0;
    friend constexpr bool operator==(HoverResult, HoverResult) = default;
};

// What a press at `pointer` would do to the committed selection `s`. Bands
// are 7 pixels wide, centred on the first, middle and last row or column;
// rows are tested top, middle, bottom, inside, and the first that holds
// decides, then columns left, centre, right likewise.
HoverResult ClassifyHover(Rect s, Point pointer);

// The cursor a hover result shows: corners keep the standard arrow.
int32_t CursorFor(DragMode mode);

// The pixel that stays fixed when a handle is dragged: a far side is anchored
// at its last pixel inside the rectangle.
Point SizingAnchor(DragMode mode, uint8_t side, Rect s);

// A move keeps the size and stops at the preview's edges.
Rect MoveDragStep(Point pointer, Point grabOffset, Rect s, Size preview);

// The rectangle between the anchor and the pointer, normalised: on each axis
// it starts at the smaller of the two and is as wide as their distance, so the
// larger one's pixel is not included. Edge modes keep the other axis of `s`.
Rect SizingDragStep(Point pointer, Point anchor, DragMode mode, Rect s);

}  // namespace corvane
