// Fuzzes the CF_DIB decoder: no input may crash it or read out of bounds,
// every refusal carries a reason, and an accepted picture has a sane size
// and survives the encoder unchanged.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "toolkit/dib_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto result = corvane::DecodeDib(std::span<const uint8_t>(data, size));
    if (!result.image) {
        if (result.error.empty()) std::abort();
        return 0;
    }
    const corvane::Image24& image = *result.image;
    if (!result.error.empty()) std::abort();
    if (image.width() < 1 || image.height() < 1 || image.width() > corvane::kMaxImageSide ||
        image.height() > corvane::kMaxImageSide || image.byteCount() > corvane::kMaxImageBytes) {
        std::abort();
    }
    const auto again = corvane::DecodeDib(corvane::EncodeDib(image));
    if (!again.image || again.image->size() != image.size() ||
        std::memcmp(again.image->bits(), image.bits(), image.byteCount()) != 0) {
        std::abort();
    }
    return 0;
}
