// ICO decoding: the directory, the choice of entry, and the BMP-format image
// of that entry (colour bits plus a one-bit transparency mask). PNG entries
// are refused. Every offset and size is checked against the file first.
#include "toolkit/ico_codec.h"

#include <array>
#include <cstring>
#include <vector>

#include "toolkit/le_bytes.h"

namespace corvane {
namespace {

constexpr size_t kIconHeaderSize = 6;
constexpr size_t kEntrySize = 16;
constexpr int32_t kMaxIconSide = 256;

struct Entry {
    int32_t width = 0, height = 0;
    uint16_t bitCount = 0;
    std::span<const uint8_t> data;
};

// The image's own header knows the depth when the directory leaves it 0.
uint16_t BitsOf(const Entry& entry) {
    if (entry.bitCount != 0 || entry.data.size() < 16) return entry.bitCount;
    return LoadU16(entry.data.data() + 14);
}

std::optional<std::vector<Entry>> ReadDirectory(std::span<const uint8_t> file) {
    if (file.size() < kIconHeaderSize) return std::nullopt;
    if (LoadU16(file.data()) != 0 || LoadU16(file.data() + 2) != 1) return std::nullopt;
    const size_t count = LoadU16(file.data() + 4);
    if (count == 0 || file.size() < kIconHeaderSize + count * kEntrySize) return std::nullopt;
    std::vector<Entry> entries;
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* raw = file.data() + kIconHeaderSize + i * kEntrySize;
        const uint64_t size = LoadU32(raw + 8), offset = LoadU32(raw + 12);
        if (offset > file.size() || size > file.size() - offset) return std::nullopt;
        Entry entry;
        entry.width = raw[0] == 0 ? 256 : raw[0];
        entry.height = raw[1] == 0 ? 256 : raw[1];
        entry.bitCount = LoadU16(raw + 6);
        entry.data = file.subspan(size_t(offset), size_t(size));
        entries.push_back(entry);
    }
    return entries;
}

const Entry& ChooseEntry(const std::vector<Entry>& entries) {
    const Entry* best = &entries.front();
    for (const Entry& entry : entries) {
        if (entry.width == best->width && entry.height == best->height && BitsOf(entry) > BitsOf(*best)) {
            best = &entry;
        }
    }
    return *best;
}

size_t StrideOf(int32_t width, int bits) { return (size_t(width) * size_t(bits) + 31) / 32 * 4; }

struct IconBitmap {
    int32_t width = 0, height = 0;
    int bits = 0;
    std::span<const uint8_t> palette, colour, mask;  // mask empty when absent
};

std::optional<IconBitmap> ReadBitmap(std::span<const uint8_t> data) {
    if (data.size() < 40) return std::nullopt;
    const uint8_t* header = data.data();
    const uint32_t headerSize = LoadU32(header);
    if (headerSize < 40 || headerSize > data.size()) return std::nullopt;  // also refuses PNG
    IconBitmap bitmap;
    bitmap.width = LoadI32(header + 4);
    const int32_t doubledHeight = LoadI32(header + 8);
    bitmap.bits = LoadU16(header + 14);
    const uint32_t compression = LoadU32(header + 16), coloursUsed = LoadU32(header + 32);
    if (bitmap.width < 1 || bitmap.width > kMaxIconSide || doubledHeight < 2 ||
        doubledHeight > 2 * kMaxIconSide || compression != 0) {
        return std::nullopt;
    }
    bitmap.height = doubledHeight / 2;
    const int b = bitmap.bits;
    if (b != 1 && b != 4 && b != 8 && b != 24 && b != 32) return std::nullopt;
    size_t paletteEntries = 0;
    if (b <= 8) {
        if (coloursUsed > (1u << b)) return std::nullopt;
        paletteEntries = coloursUsed == 0 ? (1u << b) : coloursUsed;
    }
    // Sizes are bounded by the 256-pixel limit, so size_t sums cannot wrap.
    size_t offset = headerSize;
    const size_t colourBytes = StrideOf(bitmap.width, b) * size_t(bitmap.height);
    const size_t maskBytes = StrideOf(bitmap.width, 1) * size_t(bitmap.height);
    if (data.size() < offset + paletteEntries * 4 + colourBytes) return std::nullopt;
    bitmap.palette = data.subspan(offset, paletteEntries * 4);
    offset += paletteEntries * 4;
    bitmap.colour = data.subspan(offset, colourBytes);
    offset += colourBytes;
    if (data.size() - offset >= maskBytes) {
        bitmap.mask = data.subspan(offset, maskBytes);
    } else if (b != 32) {
        return std::nullopt;  // without alpha bits the mask is the only transparency
    }
    return bitmap;
}

bool MaskSaysTransparent(const IconBitmap& bitmap, int32_t storedRow, int32_t x) {
    if (bitmap.mask.empty()) return false;
    const uint8_t byte = bitmap.mask[size_t(storedRow) * StrideOf(bitmap.width, 1) + size_t(x) / 8];
    return (byte >> (7 - x % 8)) & 1;
}

// One stored row to BGRA; alpha from the mask except for 32 bpp.
void ConvertRow(const IconBitmap& bitmap, int32_t storedRow, uint8_t* out) {
    const uint8_t* row = bitmap.colour.data() + size_t(storedRow) * StrideOf(bitmap.width, bitmap.bits);
    for (int32_t x = 0; x < bitmap.width; ++x) {
        uint8_t* pixel = out + size_t(x) * 4;
        if (bitmap.bits == 32) {
            std::memcpy(pixel, row + size_t(x) * 4, 4);
            continue;
        }
        if (bitmap.bits == 24) {
            std::memcpy(pixel, row + size_t(x) * 3, 3);
        } else {
            const int perByte = 8 / bitmap.bits, slot = x % perByte;
            const size_t index = (row[x / perByte] >> (8 - bitmap.bits * (slot + 1))) & ((1u << bitmap.bits) - 1);
            if (index * 4 < bitmap.palette.size()) {
                std::memcpy(pixel, &bitmap.palette[index * 4], 3);
            } else {
                std::memset(pixel, 0, 3);
            }
        }
        pixel[3] = MaskSaysTransparent(bitmap, storedRow, x) ? 0 : 255;
    }
}

// Old 32-bit icons leave every alpha byte 0 and rely on the mask.
void ApplyMaskWhenAlphaIsEmpty(const IconBitmap& bitmap, IconImage& icon) {
    const size_t pixels = size_t(icon.width) * size_t(icon.height);
    for (size_t i = 0; i < pixels; ++i) {
        if (icon.bgra[i * 4 + 3] != 0) return;
    }
    for (int32_t y = 0; y < icon.height; ++y) {
        const int32_t storedRow = icon.height - 1 - y;
        for (int32_t x = 0; x < icon.width; ++x) {
            icon.bgra[(size_t(y) * size_t(icon.width) + size_t(x)) * 4 + 3] =
                MaskSaysTransparent(bitmap, storedRow, x) ? 0 : 255;
        }
    }
}

}  // namespace

std::optional<IconImage> DecodeIco(std::span<const uint8_t> file) {
    const auto entries = ReadDirectory(file);
    if (!entries) return std::nullopt;
    const auto bitmap = ReadBitmap(ChooseEntry(*entries).data);
    if (!bitmap) return std::nullopt;
    IconImage icon;
    icon.width = bitmap->width;
    icon.height = bitmap->height;
    icon.bgra = std::make_unique<uint8_t[]>(size_t(icon.width) * size_t(icon.height) * 4);
    for (int32_t y = 0; y < icon.height; ++y) {
        ConvertRow(*bitmap, icon.height - 1 - y, icon.bgra.get() + size_t(y) * size_t(icon.width) * 4);
    }
    if (bitmap->bits == 32) ApplyMaskWhenAlphaIsEmpty(*bitmap, icon);
    return icon;
}

}  // namespace corvane
