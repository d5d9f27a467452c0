// Packed device-independent bitmaps (the clipboard's CF_DIB format).
// The decoder reads blocks from any program and so trusts nothing in them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "toolkit/image.h"

namespace corvane {

struct DibDecodeResult {
    std::optional<Image24> image;
    std::string error;  // why the block was refused; empty on success
};

// Accepts BITMAPINFOHEADER, V4 and V5 headers; 1, 4, 8 bpp with colour
// tables; 16 bpp (555 or bit fields); 24 bpp; 32 bpp (BI_RGB or bit fields);
// bottom-up and top-down rows. Alpha is dropped.
DibDecodeResult DecodeDib(std::span<const uint8_t> block);

// A CF_DIB block: 40-byte BITMAPINFOHEADER, 24 bpp, BI_RGB, positive height,
// followed by the image's rows exactly as it holds them.
std::vector<uint8_t> EncodeDib(const Image24& image);

}  // namespace corvane
