// The crop that both exports begin with: a rectangle in full-resolution
// pixels cut out of the screenshot, black wherever the screenshot has no pixel.
#pragma once

#include <optional>

#include "toolkit/geometry.h"
#include "toolkit/image.h"

namespace corvane {

// A fields.width x fields.height image whose pixel (i, j), j counted from the
// top, is the capture's pixel (fields.x + i, fields.y + j) where that exists
// and black elsewhere. A missing capture gives an all-black crop. Nothing when
// the image cannot be created (empty or oversized rectangle, no memory).
std::optional<Image24> CropFromCapture(const Image24* capture, Rect fields);

}  // namespace corvane
