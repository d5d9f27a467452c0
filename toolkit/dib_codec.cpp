// CF_DIB decoding into Image24 and encoding from it. The header is checked by
// ReadDibLayout; here each stored row is converted to 24-bit BGR.
#include "toolkit/dib_codec.h"

#include <array>
#include <cstring>

#include "toolkit/dib_layout.h"
#include "toolkit/le_bytes.h"

namespace corvane {
namespace {

// One colour channel of a bit-field pixel, scaled to 8 bits by rounding
// v * 255 / (2^n - 1) to nearest (5 bits: (v * 255 + 15) / 31).
class MaskChannel {
public:
    explicit MaskChannel(uint32_t mask) {
        while ((mask & 1) == 0) {
            mask >>= 1;
            ++shift_;
        }
        max_ = mask;
        if (max_ < kTableLimit) {
            table_.resize(size_t(max_) + 1);
            for (uint32_t v = 0; v <= max_; ++v) table_[v] = Scale(v);
        }
    }
    uint8_t operator()(uint32_t pixel) const {
        const uint32_t v = (pixel >> shift_) & max_;
        return table_.empty() ? Scale(v) : table_[v];
    }

private:
    static constexpr uint32_t kTableLimit = 1u << 16;
    uint8_t Scale(uint32_t v) const { return uint8_t((uint64_t(v) * 255 + max_ / 2) / max_); }

    int shift_ = 0;
    uint32_t max_ = 0;
    std::vector<uint8_t> table_;
};

struct MaskChannels {
    MaskChannel red, green, blue;
    void Put(uint32_t pixel, uint8_t* out) const {
        out[0] = blue(pixel);
        out[1] = green(pixel);
        out[2] = red(pixel);
    }
};

void ConvertIndexedRow(const DibLayout& layout, const std::array<uint8_t, 256 * 3>& colours,
                       const uint8_t* row, uint8_t* out) {
    const int bits = layout.bitCount;
    const int perByte = 8 / bits;
    const uint32_t indexMask = (1u << bits) - 1;
    for (int32_t x = 0; x < layout.width; ++x) {
        const int slot = x % perByte;
        const uint32_t index = (row[x / perByte] >> (8 - bits * (slot + 1))) & indexMask;
        std::memcpy(out + size_t(x) * 3, &colours[index * 3], 3);
    }
}

// The table padded to 256 entries with black, so any index is safe.
std::array<uint8_t, 256 * 3> ExpandPalette(std::span<const uint8_t> palette) {
    std::array<uint8_t, 256 * 3> colours{};
    for (size_t i = 0; i < palette.size() / 4; ++i) std::memcpy(&colours[i * 3], &palette[i * 4], 3);
    return colours;
}

void ConvertMaskedRow(const DibLayout& layout, const MaskChannels& channels, const uint8_t* row,
                      uint8_t* out) {
    if (layout.bitCount == 16) {
        for (int32_t x = 0; x < layout.width; ++x) channels.Put(LoadU16(row + size_t(x) * 2), out + size_t(x) * 3);
    } else {
        for (int32_t x = 0; x < layout.width; ++x) channels.Put(LoadU32(row + size_t(x) * 4), out + size_t(x) * 3);
    }
}

void CopyBgrxRow(int32_t width, const uint8_t* row, uint8_t* out) {
    for (int32_t x = 0; x < width; ++x) {
        out[size_t(x) * 3] = row[size_t(x) * 4];
        out[size_t(x) * 3 + 1] = row[size_t(x) * 4 + 1];
        out[size_t(x) * 3 + 2] = row[size_t(x) * 4 + 2];
    }
}

bool HasPlainMasks(const DibLayout& layout) {
    return layout.masks == std::array<uint32_t, 3>{0x00FF0000, 0x0000FF00, 0x000000FF};
}

void ConvertPixels(const DibLayout& layout, Image24& image) {
    const auto colours = ExpandPalette(layout.palette);
    const bool masked = layout.bitCount == 16 || (layout.bitCount == 32 && !HasPlainMasks(layout));
    const uint32_t anyBit = 1;
    const MaskChannels channels{MaskChannel(masked ? layout.masks[0] : anyBit),
                                MaskChannel(masked ? layout.masks[1] : anyBit),
                                MaskChannel(masked ? layout.masks[2] : anyBit)};
    for (int32_t stored = 0; stored < layout.height; ++stored) {
        const uint8_t* row = layout.pixels.data() + size_t(stored) * layout.stride;
        uint8_t* out = image.RowFromTop(layout.topDown ? stored : layout.height - 1 - stored);
        if (layout.bitCount <= 8) {
            ConvertIndexedRow(layout, colours, row, out);
        } else if (layout.bitCount == 24) {
            std::memcpy(out, row, size_t(layout.width) * 3);
        } else if (masked) {
            ConvertMaskedRow(layout, channels, row, out);
        } else {
            CopyBgrxRow(layout.width, row, out);
        }
    }
}

}  // namespace

DibDecodeResult DecodeDib(std::span<const uint8_t> block) {
    DibDecodeResult result;
    DibLayout layout;
    result.error = ReadDibLayout(block, layout);
    if (!result.error.empty()) return result;
    result.image = Image24::Create(layout.width, layout.height);
    if (!result.image) {
        result.error = "out of memory for the bitmap";
        return result;
    }
    ConvertPixels(layout, *result.image);
    return result;
}

std::vector<uint8_t> EncodeDib(const Image24& image) {
    constexpr size_t kHeaderSize = 40;
    std::vector<uint8_t> block(kHeaderSize + image.byteCount(), 0);
    uint8_t* header = block.data();
    StoreU32(header, kHeaderSize);
    StoreU32(header + 4, uint32_t(image.width()));
    StoreU32(header + 8, uint32_t(image.height()));
    StoreU16(header + 12, 1);
    StoreU16(header + 14, 24);
    StoreU32(header + 20, uint32_t(image.byteCount()));
    std::memcpy(block.data() + kHeaderSize, image.bits(), image.byteCount());
    return block;
}

}  // namespace corvane
