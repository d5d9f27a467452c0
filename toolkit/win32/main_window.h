// The program's top-level window: a title bar and a thin fixed frame, no
// system menu, not resizable, button-face background. Its procedure turns
// the close request, commands, control notifications and tray callbacks
// into events.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "toolkit/geometry.h"
#include "toolkit/win32/controls.h"
#include "toolkit/win32/event_queue.h"
#include "toolkit/win32/handles.h"
#include "toolkit/win32/tray.h"

namespace corvane::win32 {

class MainWindow {
public:
    [[nodiscard]] static bool RegisterWindowClass(HINSTANCE instance) noexcept;
    static void UnregisterWindowClass(HINSTANCE instance) noexcept;

    // A hidden window whose client area has the given size, centred on the
    // screen; nullptr on failure.
    static std::unique_ptr<MainWindow> Create(int32_t number, const std::wstring& title, Size client,
                                              EventQueue& queue, ControlSet& controls, TrayIcons& tray) noexcept;

    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow() = default;

    HWND Handle() const noexcept { return window_.get(); }
    int32_t Number() const noexcept { return number_; }

    void Place(Point outerCorner, Size client) noexcept;
    void Show(bool show) noexcept;
    Point OuterCorner() const noexcept;
    // The control to give the focus back to whenever the window is activated.
    void RememberFocus(HWND control) noexcept { lastFocus_ = control; }

private:
    MainWindow(int32_t number, EventQueue& queue, ControlSet& controls, TrayIcons& tray) noexcept;

    static LRESULT CALLBACK Trampoline(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void OnCommand(WPARAM wParam, LPARAM lParam) noexcept;
    bool OnActivate(HWND window, WPARAM wParam) noexcept;

    int32_t number_;
    EventQueue& queue_;
    ControlSet& controls_;
    TrayIcons& tray_;
    UINT taskbarCreated_ = 0;
    HWND lastFocus_ = nullptr;
    ScopedWindow window_;
};

}  // namespace corvane::win32
