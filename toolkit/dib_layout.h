// Reading and checking the header part of a packed device-independent bitmap:
// where the colour table, the masks and the pixel rows are, and whether they
// fit in the block. Nothing here touches the pixels.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace corvane {

struct DibLayout {
    int32_t width = 0;
    int32_t height = 0;  // rows, always positive
    bool topDown = false;
    uint16_t bitCount = 0;
    std::array<uint32_t, 3> masks{};  // red, green, blue; for 16 and 32 bpp
    std::span<const uint8_t> palette;  // four bytes (B, G, R, unused) per entry; 1..8 bpp
    std::span<const uint8_t> pixels;   // exactly stride * height bytes
    size_t stride = 0;
};

// Fills `layout` and returns an empty string, or returns why the block is refused.
std::string ReadDibLayout(std::span<const uint8_t> block, DibLayout& layout);

}  // namespace corvane
