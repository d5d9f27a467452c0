#include "toolkit/image.h"

#include <cstring>

namespace corvane {

Image24::Image24(int32_t width, int32_t height, Block data)
    : width_(width), height_(height), stride_(StrideFor(width)), data_(std::move(data)) {}

std::optional<Image24> Image24::Create(int32_t width, int32_t height) {
    if (width < 1 || height < 1 || width > kMaxImageSide || height > kMaxImageSide) return std::nullopt;
    const uint64_t bytes = uint64_t(StrideFor(width)) * uint64_t(height);
    if (bytes > kMaxImageBytes) return std::nullopt;
    // calloc: large blocks come from the system already zeroed, so a black
    // image costs nothing until it is written.
    Block data(static_cast<uint8_t*>(std::calloc(bytes, 1)));
    if (!data) return std::nullopt;
    return Image24(width, height, std::move(data));
}

std::optional<Image24> Image24::Clone() const {
    auto copy = Create(width_, height_);
    if (copy) std::memcpy(copy->bits(), bits(), byteCount());
    return copy;
}

}  // namespace corvane
