// A synthetic screenshot for the export benchmarks: flat window areas, a
// gradient title bar and desktop, and rows of small dark glyph-like strokes,
// the mix that a real screen holds and that JPEG finds hard at sharp edges.
#pragma once

#include <cstdint>

#include "toolkit/image.h"

namespace corvane::bench {

inline void PutPixel(uint8_t* row, int32_t x, uint8_t r, uint8_t g, uint8_t b) {
    row[3 * x] = b;
    row[3 * x + 1] = g;
    row[3 * x + 2] = r;
}

inline Image24 ScreenPicture(int32_t width, int32_t height) {
    Image24 image = *Image24::Create(width, height);
    const int32_t windowLeft = width / 8, windowRight = width * 7 / 8;
    const int32_t windowTop = height / 10, windowBottom = height * 9 / 10;
    const int32_t titleBottom = windowTop + 30;
    uint32_t glyphs = 987654321;
    for (int32_t y = 0; y < height; ++y) {
        uint8_t* row = image.RowFromTop(y);
        for (int32_t x = 0; x < width; ++x) {
            const bool inWindow = x >= windowLeft && x < windowRight && y >= windowTop && y < windowBottom;
            if (!inWindow) {  // desktop: a diagonal gradient
                PutPixel(row, x, uint8_t(20 + (x + y) * 60 / (width + height)), uint8_t(60 + y * 80 / height),
                         uint8_t(120 + x * 100 / width));
            } else if (y < titleBottom) {  // title bar: a horizontal gradient
                PutPixel(row, x, uint8_t(x * 255 / width), 90, 200);
            } else {  // white page with lines of text every 18 rows
                const int32_t lineRow = (y - titleBottom) % 18;
                const int32_t column = (x - windowLeft) % 9;
                bool ink = false;
                if (lineRow >= 4 && lineRow < 14 && column < 6 && x < windowRight - 40) {
                    glyphs = glyphs * 1103515245u + 12345u;
                    ink = (glyphs >> 27) < 9 || column == 0 || lineRow == 13;
                }
                const uint8_t level = ink ? 30 : 250;
                PutPixel(row, x, level, level, level);
            }
        }
    }
    return image;
}

}  // namespace corvane::bench
