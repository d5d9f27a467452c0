// Decoding of ICO files held in memory. The entry taken is the size of the
// first directory entry and, among the entries of that size, the one with the
// most bits per pixel.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "toolkit/image.h"

namespace corvane {

std::optional<IconImage> DecodeIco(std::span<const uint8_t> file);

}  // namespace corvane
