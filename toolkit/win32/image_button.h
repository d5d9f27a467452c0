// The face of the owner-drawn image button.
#pragma once

#include <windows.h>

#include "toolkit/geometry.h"

namespace corvane::win32 {

// A push-button frame with the icon centred on it, one pixel down and right
// while pressed. Drawn by the program so the offset holds under any theme.
void DrawImageButton(const DRAWITEMSTRUCT& item, HICON icon, Size iconSize) noexcept;

}  // namespace corvane::win32
