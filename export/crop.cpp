// Copies the overlap of the crop rectangle and the capture row by row; the
// rest of the crop keeps the black it was created with.
#include "export/crop.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace corvane {
namespace {

constexpr int64_t kBytesPerPixel = 3;

// The half-open range [begin, end) of crop coordinates whose capture
// coordinate offset + k lies inside 0 .. limit - 1. 64-bit, so that field
// values near the int32 limits cannot overflow.
struct Span {
    int64_t begin = 0;
    int64_t end = 0;
    bool IsEmpty() const { return begin >= end; }
};

Span OverlapOf(int32_t offset, int32_t length, int32_t limit) {
    const int64_t begin = std::max<int64_t>(0, -int64_t{offset});
    const int64_t end = std::min<int64_t>(length, int64_t{limit} - offset);
    return {begin, end};
}

void CopyOverlap(const Image24& capture, Image24& crop, Rect fields) {
    const Span columns = OverlapOf(fields.x, crop.width(), capture.width());
    const Span rows = OverlapOf(fields.y, crop.height(), capture.height());
    if (columns.IsEmpty() || rows.IsEmpty()) return;

    const size_t rowBytes = size_t((columns.end - columns.begin) * kBytesPerPixel);
    const size_t fromColumn = size_t((fields.x + columns.begin) * kBytesPerPixel);
    const size_t toColumn = size_t(columns.begin * kBytesPerPixel);
    const int32_t firstRow = int32_t(rows.begin);
    const int32_t rowCount = int32_t(rows.end - rows.begin);
    const int32_t captureFirstRow = int32_t(fields.y + rows.begin);

    // Same width and no horizontal offset: the overlapping rows are one
    // contiguous block in both images (both are stored bottom row first).
    if (crop.width() == capture.width() && fields.x == 0) {
        const int32_t lastRow = firstRow + rowCount - 1;
        std::memcpy(crop.RowFromTop(lastRow), capture.RowFromTop(captureFirstRow + rowCount - 1),
                    size_t(rowCount) * size_t(crop.stride()));
        return;
    }
    for (int32_t j = 0; j < rowCount; ++j) {
        std::memcpy(crop.RowFromTop(firstRow + j) + toColumn,
                    capture.RowFromTop(captureFirstRow + j) + fromColumn, rowBytes);
    }
}

}  // namespace

std::optional<Image24> CropFromCapture(const Image24* capture, Rect fields) {
    auto crop = Image24::Create(fields.width, fields.height);
    if (crop && capture) CopyOverlap(*capture, *crop, fields);
    return crop;
}

}  // namespace corvane
