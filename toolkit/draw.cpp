// The software painter. The overlay repaints the whole canvas on every
// pointer move, so each operation works on clipped whole-row spans: memcpy
// for copies and fills, a branch-free loop the compiler vectorises for blends.
#include "toolkit/draw.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "toolkit/blend_rows.h"

namespace corvane {
namespace {

// A clipped area of the target, half-open on both axes, rows from the top.
struct Span {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool IsEmpty() const { return left >= right || top >= bottom; }
};

// Columns [from, to) clipped to [0, limit). 64-bit so no sum can wrap.
void ClipRange(int64_t from, int64_t to, int32_t limit, int32_t& outFrom, int32_t& outTo) {
    outFrom = int32_t(std::clamp<int64_t>(from, 0, limit));
    outTo = int32_t(std::clamp<int64_t>(to, 0, limit));
}

// A box's covered range: a negative extent runs back from the edge.
void BoxRange(int32_t start, int32_t extent, int64_t& from, int64_t& to) {
    from = extent < 0 ? int64_t(start) + extent : int64_t(start);
    to = extent < 0 ? int64_t(start) : int64_t(start) + extent;
}

Span ClipArea(const Image24& target, int64_t left, int64_t top, int64_t right, int64_t bottom) {
    Span span;
    ClipRange(left, right, target.width(), span.left, span.right);
    ClipRange(top, bottom, target.height(), span.top, span.bottom);
    return span;
}

void FillOpaque(Image24& target, const Span& span, Colour colour) {
    const size_t rowBytes = size_t(span.right - span.left) * 3;
    std::vector<uint8_t> pattern(rowBytes);
    for (size_t i = 0; i < rowBytes; i += 3) {
        pattern[i] = BlueOf(colour);
        pattern[i + 1] = GreenOf(colour);
        pattern[i + 2] = RedOf(colour);
    }
    for (int32_t row = span.top; row < span.bottom; ++row) {
        std::memcpy(target.RowFromTop(row) + size_t(span.left) * 3, pattern.data(), rowBytes);
    }
}

void FillBlend(Image24& target, const Span& span, Colour colour) {
    const uint16_t alpha = AlphaOf(colour);
    BlendRows area;
    // The span's top row is the highest in memory; later rows lie below it.
    area.first = target.RowFromTop(span.top) + size_t(span.left) * 3;
    area.rowStep = -ptrdiff_t(target.stride());
    area.rows = span.bottom - span.top;
    area.rowBytes = size_t(span.right - span.left) * 3;
    area.keep = uint16_t(255 - alpha);
    const uint8_t blue = BlueOf(colour), green = GreenOf(colour), red = RedOf(colour);
    if (blue == green && green == red) {
        BlendRowsUniform(area, uint16_t(red * alpha));
        return;
    }
    std::vector<uint16_t> add(area.rowBytes);
    for (size_t i = 0; i < area.rowBytes; i += 3) {
        add[i] = uint16_t(blue * alpha);
        add[i + 1] = uint16_t(green * alpha);
        add[i + 2] = uint16_t(red * alpha);
    }
    BlendRowsPattern(area, add.data());
}

void FillArea(Image24& target, const Span& span, DrawMode mode, Colour colour) {
    if (span.IsEmpty()) return;
    if (mode == DrawMode::Opaque) {
        FillOpaque(target, span, colour);
    } else {
        FillBlend(target, span, colour);
    }
}

}  // namespace

void Painter::CopyImage(const Image24& source, Point at) {
    if (&source == &target_) {
        // Drawing an image onto itself: rows would overlap while copied.
        if (at == Point{0, 0}) return;
        if (auto copy = source.Clone()) CopyImage(*copy, at);
        return;
    }
    const Span span = ClipArea(target_, at.x, at.y, int64_t(at.x) + source.width(),
                               int64_t(at.y) + source.height());
    if (span.IsEmpty()) return;
    const bool wholeRows = span.left == 0 && at.x == 0 && source.width() == target_.width();
    if (wholeRows) {
        // Rows are contiguous in both images: one copy of the covered band.
        // The band's lowest row comes first in memory.
        const int32_t rows = span.bottom - span.top;
        std::memcpy(target_.RowFromTop(span.bottom - 1), source.RowFromTop(span.bottom - 1 - at.y),
                    size_t(rows) * size_t(target_.stride()));
        return;
    }
    const size_t rowBytes = size_t(span.right - span.left) * 3;
    const size_t sourceColumn = size_t(int64_t(span.left) - at.x);
    for (int32_t row = span.top; row < span.bottom; ++row) {
        std::memcpy(target_.RowFromTop(row) + size_t(span.left) * 3,
                    source.RowFromTop(row - at.y) + sourceColumn * 3, rowBytes);
    }
}

void Painter::FillBox(Rect box, Colour colour) {
    int64_t left, right, top, bottom;
    BoxRange(box.x, box.width, left, right);
    BoxRange(box.y, box.height, top, bottom);
    FillArea(target_, ClipArea(target_, left, top, right, bottom), mode_, colour);
}

void Painter::DrawLine(Point from, Point to) {
    if (from.x != to.x && from.y != to.y) return;
    const int64_t left = std::min(from.x, to.x), right = int64_t(std::max(from.x, to.x)) + 1;
    const int64_t top = std::min(from.y, to.y), bottom = int64_t(std::max(from.y, to.y)) + 1;
    FillArea(target_, ClipArea(target_, left, top, right, bottom), mode_, colour_);
}

}  // namespace corvane
