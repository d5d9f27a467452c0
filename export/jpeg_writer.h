// Encodes a picture as a baseline JFIF file with libjpeg's default settings,
// so that the same file comes out as from any libjpeg with those settings.
#pragma once

#include <cstdio>

#include "toolkit/image.h"

namespace corvane {

// The program's quality scale runs 0..10 (clamped); libjpeg gets ten times it.
inline constexpr int kJpegQualityMin = 0;
inline constexpr int kJpegQualityMax = 10;
inline constexpr int kJpegQualityToLibjpeg = 10;

// Writes the whole JPEG stream of `image` to `file`, which stays open and
// belongs to the caller. False on any libjpeg error, including a failed
// write or flush of the file; libjpeg prints nothing.
[[nodiscard]] bool WriteJpeg(const Image24& image, std::FILE* file, int quality);

// The image service's JPEG save, as start-up registers it.
using JpegEncoder = bool (*)(const Image24& image, std::FILE* file, int quality);

}  // namespace corvane
