// Builders of small DIB blocks and ICO files for the codec tests and the
// fuzzers' seed corpus: every field can be set, including wrong ones.
#pragma once

#include <cstdint>
#include <vector>

namespace corvane::testing {

inline void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
inline void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

// Rows are given unpadded, in stored order; the builder pads them to 4 bytes.
struct DibFields {
    uint32_t headerSize = 40;
    int32_t width = 1;
    int32_t height = 1;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t coloursUsed = 0;
    std::vector<uint32_t> masks;           // written in the header (V2+) or after a 40-byte one
    std::vector<uint32_t> palette;         // 0x00RRGGBB per entry
    std::vector<std::vector<uint8_t>> rows;
    std::vector<uint8_t> trailer;          // e.g. a colour profile after the pixels
};

inline std::vector<uint8_t> BuildDib(const DibFields& fields) {
    std::vector<uint8_t> out;
    Put32(out, fields.headerSize);
    Put32(out, uint32_t(fields.width));
    Put32(out, uint32_t(fields.height));
    Put16(out, 1);
    Put16(out, fields.bitCount);
    Put32(out, fields.compression);
    Put32(out, 0);  // size of image
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, fields.coloursUsed);
    Put32(out, 0);
    for (uint32_t mask : fields.masks) Put32(out, mask);
    // Later headers: masks inside, the rest (colour space, gamma, profile) zero.
    if (fields.headerSize > 40) {
        while (out.size() < fields.headerSize) out.push_back(0);
    }
    for (uint32_t colour : fields.palette) Put32(out, colour);
    for (const auto& row : fields.rows) {
        out.insert(out.end(), row.begin(), row.end());
        while ((out.size() - fields.headerSize) % 4 != 0) out.push_back(0);
    }
    out.insert(out.end(), fields.trailer.begin(), fields.trailer.end());
    return out;
}

// One BMP-format icon image: colour rows and mask rows, both stored bottom row first.
struct IconEntryFields {
    int32_t width = 1;
    int32_t height = 1;
    uint16_t bitCount = 32;
    uint16_t directoryBitCount = 32;
    std::vector<uint32_t> palette;
    std::vector<std::vector<uint8_t>> colourRows;  // unpadded
    std::vector<std::vector<uint8_t>> maskRows;    // unpadded, one bit per pixel
};

inline std::vector<uint8_t> BuildIconBitmap(const IconEntryFields& entry) {
    DibFields dib;
    dib.width = entry.width;
    dib.height = entry.height * 2;
    dib.bitCount = entry.bitCount;
    dib.palette = entry.palette;
    dib.coloursUsed = entry.bitCount <= 8 ? uint32_t(entry.palette.size()) : 0;
    dib.rows = entry.colourRows;
    dib.rows.insert(dib.rows.end(), entry.maskRows.begin(), entry.maskRows.end());
    return BuildDib(dib);
}

inline std::vector<uint8_t> BuildIco(const std::vector<IconEntryFields>& entries) {
    std::vector<uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, uint32_t(entries.size()));
    std::vector<std::vector<uint8_t>> images;
    for (const auto& entry : entries) images.push_back(BuildIconBitmap(entry));
    uint32_t offset = uint32_t(6 + 16 * entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        out.push_back(uint8_t(entries[i].width));  // 256 wraps to 0, as the format wants
        out.push_back(uint8_t(entries[i].height));
        out.push_back(0);
        out.push_back(0);
        Put16(out, 1);
        Put16(out, entries[i].directoryBitCount);
        Put32(out, uint32_t(images[i].size()));
        Put32(out, offset);
        offset += uint32_t(images[i].size());
    }
    for (const auto& image : images) out.insert(out.end(), image.begin(), image.end());
    return out;
}

}  // namespace corvane::testing
