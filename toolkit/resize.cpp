// Area-averaging resize, exact in integers. Along each axis the source and
// target lengths are measured in a common unit (1/gcd of the two), so every
// source pixel's covered part of a target pixel is a whole number of units.
// Rows are reduced first (a vectorisable sum of whole rows), then columns,
// and the two-dimensional sum is divided once, rounding to nearest.
#include "toolkit/resize.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <vector>

namespace corvane {
namespace {

// Which source pixels each target pixel covers along one axis, and how much.
struct AxisWeights {
    std::vector<int32_t> first;      // first source index per target index
    std::vector<int32_t> tapStart;   // index into weights; one extra at the end
    std::vector<uint16_t> weights;   // covered units per source pixel
    uint32_t unitsPerTarget = 0;     // the weights of one target pixel add up to this
};

AxisWeights BuildAxis(int32_t sourceLength, int32_t targetLength) {
    const int64_t common = std::gcd(sourceLength, targetLength);
    const int64_t sourceUnits = targetLength / common;  // one source pixel
    const int64_t targetUnits = sourceLength / common;  // one target pixel
    AxisWeights axis;
    axis.unitsPerTarget = uint32_t(targetUnits);
    axis.first.resize(size_t(targetLength));
    axis.tapStart.reserve(size_t(targetLength) + 1);
    for (int64_t i = 0; i < targetLength; ++i) {
        const int64_t start = i * targetUnits, end = start + targetUnits;
        const int64_t firstSource = start / sourceUnits, lastSource = (end - 1) / sourceUnits;
        axis.first[size_t(i)] = int32_t(firstSource);
        axis.tapStart.push_back(int32_t(axis.weights.size()));
        for (int64_t j = firstSource; j <= lastSource; ++j) {
            const int64_t from = std::max(start, j * sourceUnits);
            const int64_t to = std::min(end, (j + 1) * sourceUnits);
            // At most min(sourceUnits, targetUnits) <= kMaxImageSide units.
            axis.weights.push_back(uint16_t(to - from));
        }
    }
    axis.tapStart.push_back(int32_t(axis.weights.size()));
    return axis;
}

// Rounded division by a fixed divisor of at most 2^23 through one multiply:
// with m = ceil(2^55 / d) the quotient is exact for every sum below 256 * d.
class RoundedDivider {
public:
    explicit RoundedDivider(uint64_t divisor)
        : half_(divisor / 2), magic_(((uint64_t{1} << kShift) + divisor - 1) / divisor) {}
    uint8_t operator()(uint64_t sum) const { return uint8_t(((sum + half_) * magic_) >> kShift); }

private:
    static constexpr int kShift = 55;
    uint64_t half_;
    uint64_t magic_;
};

// Sums too large for the multiply trick (huge sizes with no common factor).
class PlainDivider {
public:
    explicit PlainDivider(uint64_t divisor) : divisor_(divisor) {}
    uint8_t operator()(uint64_t sum) const { return uint8_t((sum + divisor_ / 2) / divisor_); }

private:
    uint64_t divisor_;
};

// Weighted sum of the source rows one target row covers, per byte, undivided.
void SumRows(const Image24& source, const AxisWeights& rows, int32_t targetRow, uint32_t* sums) {
    const size_t count = size_t(source.width()) * 3;
    const int32_t first = rows.first[size_t(targetRow)];
    const int32_t tapBegin = rows.tapStart[size_t(targetRow)];
    const int32_t tapEnd = rows.tapStart[size_t(targetRow) + 1];
    {
        const uint8_t* row = source.RowFromTop(first);
        const uint16_t weight = rows.weights[size_t(tapBegin)];
        for (size_t b = 0; b < count; ++b) sums[b] = uint32_t(weight * row[b]);
    }
    for (int32_t tap = tapBegin + 1; tap < tapEnd; ++tap) {
        const uint8_t* row = source.RowFromTop(first + (tap - tapBegin));
        const uint16_t weight = rows.weights[size_t(tap)];
        for (size_t b = 0; b < count; ++b) sums[b] += uint32_t(weight * row[b]);
    }
}

template <typename Sum, typename Divider>
void ReduceColumns(const uint32_t* sums, const AxisWeights& columns, const Divider& divide,
                   uint8_t* out, int32_t targetWidth) {
    for (int32_t c = 0; c < targetWidth; ++c) {
        const uint32_t* pixel = sums + size_t(columns.first[size_t(c)]) * 3;
        Sum blue = 0, green = 0, red = 0;
        const int32_t tapEnd = columns.tapStart[size_t(c) + 1];
        for (int32_t tap = columns.tapStart[size_t(c)]; tap < tapEnd; ++tap, pixel += 3) {
            const Sum weight = columns.weights[size_t(tap)];
            blue += weight * pixel[0];
            green += weight * pixel[1];
            red += weight * pixel[2];
        }
        out[size_t(c) * 3] = divide(blue);
        out[size_t(c) * 3 + 1] = divide(green);
        out[size_t(c) * 3 + 2] = divide(red);
    }
}

template <typename Sum, typename Divider>
void ResizeInto(const Image24& source, Image24& target, const AxisWeights& columns,
                const AxisWeights& rows, const Divider& divide) {
    std::vector<uint32_t> sums(size_t(source.width()) * 3);
    for (int32_t r = 0; r < target.height(); ++r) {
        SumRows(source, rows, r, sums.data());
        ReduceColumns<Sum>(sums.data(), columns, divide, target.RowFromTop(r), target.width());
    }
}

}  // namespace

std::optional<Image24> ResizeSmooth(const Image24& source, int32_t width, int32_t height) {
    auto target = Image24::Create(width, height);
    if (!target) return std::nullopt;
    if (width == source.width() && height == source.height()) {
        std::memcpy(target->bits(), source.bits(), source.byteCount());
        return target;
    }
    const AxisWeights columns = BuildAxis(source.width(), width);
    const AxisWeights rows = BuildAxis(source.height(), height);
    const uint64_t total = uint64_t(columns.unitsPerTarget) * rows.unitsPerTarget;
    if (total <= (uint64_t{1} << 23)) {
        // Every sum stays below 256 * total <= 2^31.
        ResizeInto<uint32_t>(source, *target, columns, rows, RoundedDivider(total));
    } else {
        ResizeInto<uint64_t>(source, *target, columns, rows, PlainDivider(total));
    }
    return target;
}

}  // namespace corvane
