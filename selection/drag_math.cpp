#include "selection/drag_math.h"

#include <cstdlib>

#include "toolkit/toolkit.h"

namespace corvane {
namespace {

enum class Band { None, First, Middle, Last };

bool InBand(int32_t v, int32_t centre) { return centre - 3 <= v && v <= centre + 3; }

Band RowBand(Rect s, int32_t py) {
    if (InBand(py, s.y)) return Band::First;
    if (InBand(py, s.y + s.height / 2)) return Band::Middle;
    if (InBand(py, s.y + s.height - 1)) return Band::Last;
    return Band::None;
}

Band ColumnBand(Rect s, int32_t px, bool testCentre) {
    if (InBand(px, s.x)) return Band::First;
    if (testCentre && InBand(px, s.x + s.width / 2)) return Band::Middle;
    if (InBand(px, s.x + s.width - 1)) return Band::Last;
    return Band::None;
}

bool Inside(Rect s, Point p) {
    return s.y <= p.y && p.y <= s.y + s.height - 1 && s.x <= p.x && p.x <= s.x + s.width - 1;
}

}  // namespace

HoverResult ClassifyHover(Rect s, Point p) {
    switch (RowBand(s, p.y)) {
        case Band::First:
            switch (ColumnBand(s, p.x, true)) {
                case Band::First: return {DragCornerNwSe, 0};
                case Band::Middle: return {DragEdgeTopBottom, 0};
                case Band::Last: return {DragCornerNeSw, 0};
                case Band::None: return {DragMove, 0};
            }
            break;
        case Band::Middle:  // the centre of the selection is not a handle
            switch (ColumnBand(s, p.x, false)) {
                case Band::First: return {DragEdgeLeftRight, 0};
                case Band::Last: return {DragEdgeLeftRight, 1};
                default: return {DragMove, 0};
            }
        case Band::Last:
            switch (ColumnBand(s, p.x, true)) {
                case Band::First: return {DragCornerNeSw, 1};
                case Band::Middle: return {DragEdgeTopBottom, 1};
                case Band::Last: return {DragCornerNwSe, 1};
                case Band::None: return {DragMove, 0};
            }
            break;
        case Band::None:
            break;
    }
    return Inside(s, p) ? HoverResult{DragMove, 0} : HoverResult{DragNone, 0};
}

int32_t CursorFor(DragMode mode) {
    switch (mode) {
        case DragMove: return kCursorMove;
        case DragEdgeLeftRight: return kCursorSizeWestEast;
        case DragEdgeTopBottom: return kCursorSizeNorthSouth;
        default: return kCursorArrow;
    }
}

Point SizingAnchor(DragMode mode, uint8_t side, Rect s) {
    const int32_t right = s.x + s.width - 1, bottom = s.y + s.height - 1;
    switch (mode) {
        case DragCornerNwSe: return side == 0 ? Point{right, bottom} : Point{s.x, s.y};
        case DragCornerNeSw: return side == 0 ? Point{s.x, bottom} : Point{right, s.y};
        case DragEdgeLeftRight: return side == 0 ? Point{right, s.y} : Point{s.x, s.y};
        case DragEdgeTopBottom: return side == 0 ? Point{s.x, bottom} : Point{s.x, s.y};
        default: return {s.x, s.y};
    }
}

Rect MoveDragStep(Point p, Point grab, Rect s, Size preview) {
    int32_t nx = p.x - grab.x;
    if (nx < 0) nx = 0;
    else if (nx > preview.width - s.width) nx = preview.width - s.width;
    int32_t ny = p.y - grab.y;
    if (ny < 0) ny = 0;
    else if (ny > preview.height - s.height) ny = preview.height - s.height;
    return {nx, ny, s.width, s.height};
}

Rect SizingDragStep(Point p, Point a, DragMode mode, Rect s) {
    Rect r;
    r.x = (a.x < p.x || mode == DragEdgeTopBottom) ? a.x : p.x;
    r.y = (a.y < p.y || mode == DragEdgeLeftRight) ? a.y : p.y;
    r.width = mode == DragEdgeTopBottom ? s.width : std::abs(p.x - a.x);
    r.height = mode == DragEdgeLeftRight ? s.height : std::abs(p.y - a.y);
    return r;
}

}  // namespace corvane
