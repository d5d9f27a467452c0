// Win32Toolkit: the interface's calls mapped onto the window, the controls,
// the tray icons, the menus and the message pump. Numbers that name nothing
// make a call do nothing. One main window exists at a time.
#include "toolkit/win32/win32_toolkit.h"

#include <commctrl.h>

#include "toolkit/win32/message_pump.h"
#include "toolkit/win32/text.h"

namespace corvane::win32 {

Win32Toolkit::Win32Toolkit() noexcept : instance_(::GetModuleHandleW(nullptr)) {}

Win32Toolkit::~Win32Toolkit() { StopServices(); }

void Win32Toolkit::StartServices() {
    if (classesRegistered_) return;
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS;
    ::InitCommonControlsEx(&controls);
    const bool mainClass = MainWindow::RegisterWindowClass(instance_);
    const bool canvasClass = Canvas::RegisterWindowClass(instance_);
    classesRegistered_ = mainClass && canvasClass;
}

void Win32Toolkit::StopServices() {
    TearDownWindow();
    tray_.RemoveAll();
    menus_.Clear();
    queue_.Clear();
    if (!classesRegistered_) return;
    Canvas::UnregisterWindowClass(instance_);
    MainWindow::UnregisterWindowClass(instance_);
    classesRegistered_ = false;
}

MainWindow* Win32Toolkit::Window(int32_t number) const noexcept {
    return window_ && window_->Number() == number ? window_.get() : nullptr;
}

HWND Win32Toolkit::WindowHandle(int32_t number) const noexcept {
    const MainWindow* window = Window(number);
    return window ? window->Handle() : nullptr;
}

void Win32Toolkit::TearDownWindow() noexcept {
    if (!window_) return;
    // The icons cannot report to a window that is gone, and the children go
    // before their parent so no handle is destroyed twice.
    tray_.RemoveOwnedBy(window_->Handle());
    controls_.DestroyAll();
    controls_.SetParent(nullptr);
    shortcuts_.Clear();
    window_.reset();
}

bool Win32Toolkit::CreateMainWindow(int32_t number, const std::string& title, Size client) {
    if (window_ && window_->Number() != number) return false;
    TearDownWindow();
    if (!classesRegistered_) return false;
    window_ = MainWindow::Create(number, Widen(title), client, queue_, controls_, tray_);
    if (!window_) return false;
    controls_.SetParent(window_->Handle());
    return true;
}

void Win32Toolkit::DestroyMainWindow(int32_t number) {
    if (Window(number)) TearDownWindow();
}

void Win32Toolkit::PlaceWindow(int32_t number, Point outerCorner, Size client) {
    if (MainWindow* window = Window(number)) window->Place(outerCorner, client);
}

void Win32Toolkit::ShowWindow(int32_t number, bool show) {
    if (MainWindow* window = Window(number)) window->Show(show);
}

Point Win32Toolkit::WindowOuterCorner(int32_t number) {
    const MainWindow* window = Window(number);
    return window ? window->OuterCorner() : Point{};
}

bool Win32Toolkit::CreateStatic(int32_t number, Rect place, const std::string& text, StaticStyle style) {
    return controls_.CreateStatic(number, place, Widen(text), style);
}

bool Win32Toolkit::CreateSpinField(int32_t number, Rect place, int32_t minimum, int32_t maximum) {
    return controls_.CreateSpinField(number, place, minimum, maximum);
}

bool Win32Toolkit::CreateButton(int32_t number, Rect place, const std::string& text, bool isDefault) {
    return controls_.CreateButton(number, place, Widen(text), isDefault);
}

bool Win32Toolkit::CreateImageButton(int32_t number, Rect place, const IconImage& image) {
    return controls_.CreateImageButton(number, place, image);
}

bool Win32Toolkit::CreateCanvas(int32_t number, Rect place) { return controls_.CreateCanvas(number, place); }

void Win32Toolkit::FocusControl(int32_t number) {
    const HWND focused = controls_.Focus(number);
    // Also for a hidden or inactive window: the focus goes there when the
    // window is next activated.
    if (focused && window_) window_->RememberFocus(focused);
}

void Win32Toolkit::SetFieldText(int32_t number, const std::string& text) {
    controls_.SetFieldText(number, Widen(text));
}

std::string Win32Toolkit::FieldText(int32_t number) { return Narrow(controls_.FieldText(number)); }

Image24* Win32Toolkit::BeginCanvasDrawing(int32_t number) {
    Canvas* canvas = controls_.FindCanvas(number);
    return canvas ? &canvas->Picture() : nullptr;
}

void Win32Toolkit::EndCanvasDrawing(int32_t number) {
    if (Canvas* canvas = controls_.FindCanvas(number)) canvas->ShowPicture();
}

void Win32Toolkit::SetCanvasCursor(int32_t number, int32_t shape) {
    if (Canvas* canvas = controls_.FindCanvas(number)) canvas->SetCursorShape(shape);
}

bool Win32Toolkit::AddShortcut(int32_t window, int32_t key, int32_t command) {
    return Window(window) && shortcuts_.Add(key, command);
}

bool Win32Toolkit::AddTrayIcon(int32_t number, int32_t ownerWindow, const IconImage& image) {
    return tray_.Add(number, WindowHandle(ownerWindow), image);
}

void Win32Toolkit::SetTrayTooltip(int32_t number, const std::string& text) { tray_.SetTooltip(number, Widen(text)); }

void Win32Toolkit::ShowTrayBalloon(int32_t number, const std::string& title, const std::string& text) {
    tray_.ShowBalloon(number, Widen(title), Widen(text));
}

bool Win32Toolkit::AppendMenuItem(int32_t menu, int32_t command, const std::string& text) {
    return menus_.Append(menu, command, Widen(text));
}

void Win32Toolkit::ShowPopupMenu(int32_t menu, int32_t ownerWindow, Point screen) {
    menus_.Show(menu, WindowHandle(ownerWindow), POINT{screen.x, screen.y});
}

void Win32Toolkit::ShowPopupMenuAtCursor(int32_t menu, int32_t ownerWindow) {
    POINT cursor{};
    if (!::GetCursorPos(&cursor)) return;
    menus_.Show(menu, WindowHandle(ownerWindow), POINT{cursor.x - 1, cursor.y - 1});
}

Event Win32Toolkit::WaitEvent(int32_t timeoutMs) {
    if (std::optional<Event> waiting = queue_.Pop()) return *waiting;
    const uint64_t timeout = timeoutMs > 0 ? uint64_t(timeoutMs) : 0;
    const uint64_t start = ::GetTickCount64();
    const HWND mainWindow = window_ ? window_->Handle() : nullptr;
    for (;;) {
        PumpMessages(mainWindow, shortcuts_.Table(), queue_);
        if (std::optional<Event> arrived = queue_.Pop()) return *arrived;
        const uint64_t elapsed = ::GetTickCount64() - start;
        if (elapsed >= timeout) return Event{};
        WaitForMessages(uint32_t(timeout - elapsed));
    }
}

void Win32Toolkit::MessageBox(int32_t ownerWindow, const std::string& title, const std::string& text) {
    // The box runs its own message loop with the window disabled. What the
    // user did meanwhile (tray clicks, focus changes) is dropped: the program
    // does not turn while the box is open, and acting on it after the OK
    // would surprise more than it helps.
    const size_t waitingBefore = queue_.Size();
    ::MessageBoxW(WindowHandle(ownerWindow), Widen(text).c_str(), Widen(title).c_str(), MB_OK | MB_SETFOREGROUND);
    queue_.KeepFirst(waitingBefore);
}

}  // namespace corvane::win32
