// Turns a decoded icon picture into a system icon for the window, the tray
// and the image button.
#pragma once

#include "toolkit/image.h"
#include "toolkit/win32/handles.h"

namespace corvane::win32 {

// An icon with the picture's per-pixel alpha; empty on failure.
ScopedIcon MakeIcon(const IconImage& image) noexcept;

}  // namespace corvane::win32
