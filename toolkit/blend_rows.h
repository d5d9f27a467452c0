// The alpha-blend inner loops of the painter, compiled for several x86 vector
// widths and picked at run time, since the overlay blends most of the canvas
// on every pointer move.
#pragma once

#include <cstddef>
#include <cstdint>

namespace corvane {

// Rows of `rowBytes` bytes, `rowStep` bytes apart. Each byte b becomes
// (b * keep + add) / 255, truncated, with keep = 255 - A and add = new * A.
struct BlendRows {
    uint8_t* first = nullptr;
    ptrdiff_t rowStep = 0;
    int32_t rows = 0;
    size_t rowBytes = 0;
    uint16_t keep = 0;
};

// Every byte with the same addend (a grey colour: red = green = blue).
void BlendRowsUniform(const BlendRows& area, uint16_t add);
// A per-byte addend, `rowBytes` entries, the same for every row.
void BlendRowsPattern(const BlendRows& area, const uint16_t* add);

}  // namespace corvane
