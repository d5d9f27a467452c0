// The canvas control: a borderless child window that owns a 24-bit picture
// and shows it, holds the pointer from a left-button press to its release,
// takes the focus when clicked and reports pointer and key input as events.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "toolkit/geometry.h"
#include "toolkit/image.h"
#include "toolkit/win32/event_queue.h"
#include "toolkit/win32/handles.h"

namespace corvane::win32 {

class Canvas {
public:
    [[nodiscard]] static bool RegisterWindowClass(HINSTANCE instance) noexcept;
    static void UnregisterWindowClass(HINSTANCE instance) noexcept;

    // A visible canvas with a white picture, or nullptr.
    static std::unique_ptr<Canvas> Create(HWND parent, int32_t number, Rect place, EventQueue& queue) noexcept;

    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas();

    HWND Handle() const noexcept { return window_.get(); }
    Image24& Picture() noexcept { return picture_; }
    // Puts the picture on screen now, not at the next idle moment: the
    // program may be inside its own wait during a drag.
    void ShowPicture() noexcept;
    void SetCursorShape(int32_t shape) noexcept;
    // A new white picture when the size changes; false when it cannot be made.
    [[nodiscard]] bool ResizePicture(Size size) noexcept;
    // Ends the capture and the confinement, so the pointer is never left trapped.
    void ReleasePointer() noexcept;

private:
    Canvas(int32_t number, Image24 picture, EventQueue& queue) noexcept;

    static LRESULT CALLBACK Trampoline(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void Paint(HWND window) noexcept;
    void OnMouseMove(HWND window, LPARAM lParam) noexcept;
    void OnLeftDown(HWND window, LPARAM lParam) noexcept;
    void OnLeftUp(HWND window, LPARAM lParam) noexcept;
    void LiftConfinement() noexcept;
    void Report(int32_t type, Point position, int32_t key = 0) noexcept;
    Point PointerNow(HWND window) const noexcept;

    int32_t number_;
    Image24 picture_;
    EventQueue& queue_;
    int32_t cursorShape_ = 0;
    bool pointerInside_ = false;  // leave tracking is armed
    bool confined_ = false;       // this canvas set the cursor clip
    ScopedWindow window_;
};

}  // namespace corvane::win32
