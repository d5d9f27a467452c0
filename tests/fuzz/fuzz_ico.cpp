// Fuzzes the ICO decoder: no input may crash it or read out of bounds, and a
// decoded icon has a size the format allows and all its pixels.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "toolkit/ico_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto icon = corvane::DecodeIco(std::span<const uint8_t>(data, size));
    if (!icon) return 0;
    if (icon->width < 1 || icon->height < 1 || icon->width > 256 || icon->height > 256 || !icon->bgra) std::abort();
    // Touch every pixel so a short buffer shows up under the address checker.
    uint32_t sum = 0;
    for (size_t i = 0; i < size_t(icon->width) * size_t(icon->height) * 4; ++i) sum += icon->bgra[i];
    volatile uint32_t sink = sum;
    (void)sink;
    return 0;
}
