// How large the preview of a capture is: it must fit within three quarters of
// the desktop. Signed 32-bit arithmetic, multiplying before dividing, as the
// window's geometry is defined in those terms.
#pragma once

#include "toolkit/geometry.h"

namespace corvane {

// Only one rule applies: a picture wider than the width limit is scaled to
// that width (and may stay taller than the height limit); otherwise one
// higher than the height limit is scaled to that height. A side may come out
// 0 for extreme proportions.
constexpr Size FitPreview(Size capture, Size desktop) {
    const int32_t w = capture.width, h = capture.height;
    const int32_t limitW = (desktop.width * 3) / 4;
    if (w > limitW) return {limitW, (desktop.width * 3 * h) / (w * 4)};
    const int32_t limitH = (desktop.height * 3) / 4;
    if (h > limitH) return {(desktop.height * 3 * w) / (h * 4), limitH};
    return capture;
}

}  // namespace corvane
