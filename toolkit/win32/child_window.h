// Small helpers shared by the child controls: creation with the default GUI
// font, a window's text, and its rectangle in its parent's client area.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "toolkit/geometry.h"

namespace corvane::win32 {

// The control's identifier is `id`, so notifications carry the program's number.
HWND CreateChildWindow(HWND parent, DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style,
                       Rect place, int32_t id) noexcept;

std::wstring WindowText(HWND window) noexcept;

// The window's outer rectangle in its parent's client coordinates.
Rect PlaceInParent(HWND window) noexcept;

}  // namespace corvane::win32
