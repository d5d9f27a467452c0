// A picture of the whole virtual screen (every monitor), taken from the
// screen's drawing context, for systems whose Print Screen key does not put
// one on the clipboard.
#pragma once

#include <optional>

#include "toolkit/image.h"

namespace corvane::win32 {

// Nothing when the screen's size is outside the image limits or a drawing
// call fails.
std::optional<Image24> GrabScreen() noexcept;

}  // namespace corvane::win32
