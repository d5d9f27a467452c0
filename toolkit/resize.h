// Smooth resize by area averaging: each new pixel is the mean of the source
// pixels it covers, each weighted by the covered part of its area. Exact and
// deterministic; never a nearest-pixel pick.
#pragma once

#include <optional>

#include "toolkit/image.h"

namespace corvane {

// Nothing when the new size is not a valid image size or memory runs out.
std::optional<Image24> ResizeSmooth(const Image24& source, int32_t width, int32_t height);

}  // namespace corvane
