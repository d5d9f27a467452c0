// The message pump behind the event wait: shortcuts first, then dialog
// keyboard navigation, then the ordinary translation and dispatch.
#pragma once

#include <windows.h>

#include <cstdint>

#include "toolkit/win32/event_queue.h"

namespace corvane::win32 {

// Dispatches waiting messages until one of them has queued an event or none
// is left. `mainWindow` and `shortcuts` may be nullptr.
void PumpMessages(HWND mainWindow, HACCEL shortcuts, const EventQueue& queue) noexcept;

// Sleeps until input arrives or the time passes.
void WaitForMessages(uint32_t milliseconds) noexcept;

}  // namespace corvane::win32
