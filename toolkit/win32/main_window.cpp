// The main window and its procedure. Keyboard shortcuts arrive here already
// translated by the message pump (WM_COMMAND, high word 1); menu choices
// arrive as WM_COMMAND with no control window.
#include "toolkit/win32/main_window.h"

namespace corvane::win32 {
namespace {

constexpr wchar_t kClassName[] = L"CorvaneMainWindow";
// No WS_SYSMENU (hence no close, minimise or maximise box) and no
// WS_THICKFRAME (no resizing). WS_EX_CONTROLPARENT lets Tab move through
// the controls.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;
constexpr int kApplicationIcon = 1;

Size OuterSizeFor(HWND window, Size client) noexcept {
    RECT outer{0, 0, client.width, client.height};
    const DWORD style = window ? DWORD(::GetWindowLongPtrW(window, GWL_STYLE)) : kStyle;
    const DWORD exStyle = window ? DWORD(::GetWindowLongPtrW(window, GWL_EXSTYLE)) : kExStyle;
    ::AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

}  // namespace

bool MainWindow::RegisterWindowClass(HINSTANCE instance) noexcept {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &MainWindow::Trampoline;
    windowClass.hInstance = instance;
    windowClass.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(kApplicationIcon));
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = kClassName;
    return ::RegisterClassExW(&windowClass) != 0;
}

void MainWindow::UnregisterWindowClass(HINSTANCE instance) noexcept { ::UnregisterClassW(kClassName, instance); }

MainWindow::MainWindow(int32_t number, EventQueue& queue, ControlSet& controls, TrayIcons& tray) noexcept
    : number_(number), queue_(queue), controls_(controls), tray_(tray) {}

std::unique_ptr<MainWindow> MainWindow::Create(int32_t number, const std::wstring& title, Size client,
                                               EventQueue& queue, ControlSet& controls, TrayIcons& tray) noexcept {
    std::unique_ptr<MainWindow> main(new (std::nothrow) MainWindow(number, queue, controls, tray));
    if (!main) return nullptr;
    const Size outer = OuterSizeFor(nullptr, client);
    const int x = (::GetSystemMetrics(SM_CXSCREEN) - outer.width) / 2;
    const int y = (::GetSystemMetrics(SM_CYSCREEN) - outer.height) / 2;
    const HWND window = ::CreateWindowExW(kExStyle, kClassName, title.c_str(), kStyle, x, y, outer.width,
                                          outer.height, nullptr, nullptr, ::GetModuleHandleW(nullptr), main.get());
    if (!window) return nullptr;
    main->window_.reset(window);
    // Broadcast by a shell that has just (re)built the notification area.
    main->taskbarCreated_ = ::RegisterWindowMessageW(L"TaskbarCreated");
    return main;
}

void MainWindow::Place(Point outerCorner, Size client) noexcept {
    const Size outer = OuterSizeFor(window_.get(), client);
    ::SetWindowPos(window_.get(), nullptr, outerCorner.x, outerCorner.y, outer.width, outer.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::Show(bool show) noexcept {
    if (!show) {
        ::ShowWindow(window_.get(), SW_HIDE);
        return;
    }
    ::ShowWindow(window_.get(), SW_SHOWNORMAL);
    // The user has just pressed Print Screen in another program; the system
    // may refuse the switch, and then the window only shows.
    ::SetForegroundWindow(window_.get());
}

Point MainWindow::OuterCorner() const noexcept {
    RECT outer{};
    ::GetWindowRect(window_.get(), &outer);
    return {outer.left, outer.top};
}

LRESULT CALLBACK MainWindow::Trampoline(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<MainWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return ::DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return self->Handle(window, message, wParam, lParam);
}

LRESULT MainWindow::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case WM_CLOSE:  // Alt+F4: the program decides; the window stays
            queue_.Push(Event{EventKind::Close, number_});
            return 0;
        case WM_COMMAND: OnCommand(wParam, lParam); return 0;
        case WM_NOTIFY:
            if (const std::optional<LRESULT> result = controls_.OnNotify(*reinterpret_cast<const NMHDR*>(lParam)))
                return *result;
            break;
        case WM_DRAWITEM:
            if (controls_.OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
            break;
        case kTrayCallbackMessage:
            queue_.Push(Event{EventKind::Tray, int32_t(wParam), TrayEventTypeFor(UINT(lParam))});
            return 0;
        case WM_ACTIVATE:
            if (OnActivate(window, wParam)) return 0;
            break;
        case WM_ACTIVATEAPP:
            if (!wParam) controls_.ReleasePointer();
            break;
        case WM_GETMINMAXINFO:
            // The system's minimum for captioned windows is about 110 pixels
            // wide; the window must be exactly as wide as a narrow preview.
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {1, 1};
            return 0;
        default:
            if (taskbarCreated_ != 0 && message == taskbarCreated_) {
                tray_.AddAllAgain();
                return 0;
            }
            break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void MainWindow::OnCommand(WPARAM wParam, LPARAM lParam) noexcept {
    if (lParam == 0) {
        // A menu item (high word 0) or a shortcut (high word 1).
        queue_.Push(Event{EventKind::Menu, int32_t(LOWORD(wParam))});
        return;
    }
    if (const std::optional<Event> event = controls_.EventForCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam)))
        queue_.Push(*event);
}

bool MainWindow::OnActivate(HWND window, WPARAM wParam) noexcept {
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = ::GetFocus();
        if (focus && ::IsChild(window, focus)) lastFocus_ = focus;
        // A confined pointer must never outlast the window's activation.
        controls_.ReleasePointer();
        return false;
    }
    // The default handling would give the focus to the window itself and
    // take it from the control that had it.
    if (lastFocus_ && ::IsChild(window, lastFocus_) && ::IsWindowVisible(lastFocus_)) {
        ::SetFocus(lastFocus_);
        return true;
    }
    return false;
}

}  // namespace corvane::win32
