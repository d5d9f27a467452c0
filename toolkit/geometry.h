// Small value types for positions, sizes and rectangles, in pixels.
// A Rect covers the columns x .. x + width - 1 and the rows y .. y + height - 1;
// a width or height of 0 or less covers nothing.
#pragma once

#include <cstdint>

namespace corvane {

struct Point {
    int32_t x = 0;
    int32_t y = 0;
    friend constexpr bool operator==(Point, Point) = default;
};

struct Size {
    int32_t width = 0;
    int32_t height = 0;
    friend constexpr bool operator==(Size, Size) = default;
};

struct Rect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    constexpr bool IsEmpty() const { return width <= 0 || height <= 0; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace corvane
