// Header checks for packed DIBs. Clipboard data comes from any program, so
// every size is computed in 64 bits and compared with the block before use.
#include "toolkit/dib_layout.h"

#include "toolkit/image.h"
#include "toolkit/le_bytes.h"

namespace corvane {
namespace {

constexpr uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3, kBiJpeg = 4, kBiPng = 5;
constexpr size_t kInfoHeaderSize = 40;

bool IsKnownHeaderSize(uint32_t size) {
    // BITMAPINFOHEADER, the V2 and V3 variants with masks, V4, V5.
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool IsListedBitCount(uint16_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// A mask must be one run of set bits inside the pixel.
bool IsUsableMask(uint32_t mask, uint16_t bitCount) {
    if (mask == 0) return false;
    if (bitCount < 32 && (mask >> bitCount) != 0) return false;
    while ((mask & 1) == 0) mask >>= 1;
    return (mask & (mask + 1)) == 0;
}

std::string CheckCompression(uint32_t compression, uint16_t bitCount) {
    if (compression == kBiRle8 || compression == kBiRle4) return "run-length compressed bitmaps are not supported";
    if (compression == kBiJpeg || compression == kBiPng) return "JPEG or PNG bitmaps are not supported";
    if (compression != kBiRgb && compression != kBiBitfields) return "unknown compression";
    if (compression == kBiBitfields && bitCount != 16 && bitCount != 32) {
        return "bit fields need 16 or 32 bits per pixel";
    }
    return {};
}

std::string CheckDimensions(int32_t width, int32_t storedHeight) {
    if (width <= 0) return "width is not positive";
    if (storedHeight == 0) return "height is zero";
    const int64_t rows = storedHeight < 0 ? -int64_t(storedHeight) : int64_t(storedHeight);
    if (width > kMaxImageSide || rows > kMaxImageSide) return "bitmap is larger than 32768 pixels on a side";
    if (uint64_t(Image24::StrideFor(width)) * uint64_t(rows) > kMaxImageBytes) {
        return "bitmap needs more than 1 GiB of pixels";
    }
    return {};
}

std::array<uint32_t, 3> DefaultMasks(uint16_t bitCount) {
    if (bitCount == 16) return {0x7C00, 0x03E0, 0x001F};
    return {0x00FF0000, 0x0000FF00, 0x000000FF};
}

}  // namespace

std::string ReadDibLayout(std::span<const uint8_t> block, DibLayout& layout) {
    if (block.size() < 4) return "block too short for a bitmap header";
    const uint32_t headerSize = LoadU32(block.data());
    if (!IsKnownHeaderSize(headerSize)) return "unsupported bitmap header size";
    if (block.size() < headerSize) return "bitmap header is truncated";

    const uint8_t* header = block.data();
    const int32_t width = LoadI32(header + 4);
    const int32_t storedHeight = LoadI32(header + 8);
    const uint16_t bitCount = LoadU16(header + 14);
    const uint32_t compression = LoadU32(header + 16);
    const uint32_t coloursUsed = LoadU32(header + 32);

    if (!IsListedBitCount(bitCount)) return "unsupported bits per pixel";
    if (std::string error = CheckCompression(compression, bitCount); !error.empty()) return error;
    if (std::string error = CheckDimensions(width, storedHeight); !error.empty()) return error;

    uint64_t offset = headerSize;
    layout.masks = DefaultMasks(bitCount);
    if (compression == kBiBitfields) {
        // A plain info header is followed by the three masks; later headers hold them.
        const uint8_t* masks = header + kInfoHeaderSize;
        if (headerSize == kInfoHeaderSize) {
            if (block.size() < offset + 12) return "bit field masks are truncated";
            offset += 12;
        }
        layout.masks = {LoadU32(masks), LoadU32(masks + 4), LoadU32(masks + 8)};
        for (uint32_t mask : layout.masks) {
            if (!IsUsableMask(mask, bitCount)) return "bit field mask is zero, split or outside the pixel";
        }
    }

    uint64_t paletteEntries = coloursUsed;
    if (bitCount <= 8) {
        const uint64_t fullTable = uint64_t{1} << bitCount;
        if (paletteEntries > fullTable) return "colour table is larger than the bit depth allows";
        if (paletteEntries == 0) paletteEntries = fullTable;
    }
    // Above 8 bpp a table may still be there (a display hint); it is skipped.
    const uint64_t paletteBytes = paletteEntries * 4;
    if (block.size() - offset < paletteBytes) return "colour table is truncated";
    if (bitCount <= 8) layout.palette = block.subspan(size_t(offset), size_t(paletteBytes));
    offset += paletteBytes;

    const uint64_t rows = storedHeight < 0 ? -int64_t(storedHeight) : int64_t(storedHeight);
    const uint64_t stride = (uint64_t(width) * bitCount + 31) / 32 * 4;
    if ((block.size() - offset) / stride < rows) return "pixel data is truncated";

    layout.width = width;
    layout.height = int32_t(rows);
    layout.topDown = storedHeight < 0;
    layout.bitCount = bitCount;
    layout.stride = size_t(stride);
    layout.pixels = block.subspan(size_t(offset), size_t(stride * rows));
    return {};
}

}  // namespace corvane
