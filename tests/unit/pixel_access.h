// Reading single pixels of an Image24 in tests, as blue, green, red.
#pragma once

#include <array>
#include <cstdint>

#include "toolkit/image.h"

namespace corvane::test {

using Bgr = std::array<uint8_t, 3>;

inline Bgr PixelAt(const Image24& image, int32_t x, int32_t y) {
    const uint8_t* p = image.RowFromTop(y) + x * 3;
    return {p[0], p[1], p[2]};
}

}  // namespace corvane::test
