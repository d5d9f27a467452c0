// Helpers for the JPEG tests: synthetic pictures, encoding into memory, a
// decoder, and a reader of the file's marker segments.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/image.h"

namespace corvane::test {

using Bytes = std::vector<uint8_t>;

// Smooth gradients with fine detail on top, so every DCT coefficient and
// both chroma channels are exercised.
Image24 BusyPicture(int32_t width, int32_t height);

// The picture's pixels as red, green, blue bytes, top row first, no padding.
Bytes RgbRowsOf(const Image24& image);

// WriteJpeg into memory; nothing when it reports failure.
std::optional<Bytes> EncodeToMemory(const Image24& image, int quality);

struct DecodedPicture {
    int32_t width = 0;
    int32_t height = 0;
    Bytes rgb;  // top row first
};
std::optional<DecodedPicture> Decode(const Bytes& jpeg);

struct Segment {
    uint8_t marker = 0;  // the byte after 0xFF
    Bytes payload;       // without the length field; empty for SOI, EOI, RSTn
};
// Every marker in file order, including those inside the entropy-coded data;
// nothing when the stream is malformed.
std::optional<std::vector<Segment>> ReadSegments(const Bytes& jpeg);

Bytes ReadWholeFile(const std::string& path);

}  // namespace corvane::test
