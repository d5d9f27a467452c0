// The canvas window procedure turns pointer, key and focus messages into
// canvas events; the only work it does itself is what the system leaves to a
// control: painting, the cursor shape, the capture and the confinement.
#include "toolkit/win32/canvas.h"

#include <windowsx.h>

#include <cstring>
#include <new>
#include <optional>

namespace corvane::win32 {
namespace {

constexpr wchar_t kClassName[] = L"CorvaneCanvas";

std::optional<Image24> WhitePicture(Size size) noexcept {
    std::optional<Image24> picture = Image24::Create(size.width, size.height);
    if (picture) std::memset(picture->bits(), 0xFF, picture->byteCount());
    return picture;
}

LPCWSTR CursorFor(int32_t shape) noexcept {
    switch (shape) {
        case kCursorMove: return IDC_SIZEALL;
        case kCursorSizeWestEast: return IDC_SIZEWE;
        case kCursorSizeNorthSouth: return IDC_SIZENS;
        case kCursorSizeNeSw: return IDC_SIZENESW;
        case kCursorSizeNwSe: return IDC_SIZENWSE;
        default: return IDC_ARROW;
    }
}

Point PointFromLParam(LPARAM lParam) noexcept { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

bool ConfineToClientArea(HWND window) noexcept {
    RECT area{};
    ::GetClientRect(window, &area);
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
    return ::ClipCursor(&area) != FALSE;
}

bool PointerIsOver(HWND window) noexcept {
    POINT cursor{};
    return ::GetCursorPos(&cursor) && ::WindowFromPoint(cursor) == window;
}

}  // namespace

bool Canvas::RegisterWindowClass(HINSTANCE instance) noexcept {
    // No CS_DBLCLKS: the second press of a double click must arrive as a
    // plain press. No class cursor: WM_SETCURSOR sets the shape.
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &Canvas::Trampoline;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    return ::RegisterClassExW(&windowClass) != 0;
}

void Canvas::UnregisterWindowClass(HINSTANCE instance) noexcept { ::UnregisterClassW(kClassName, instance); }

Canvas::Canvas(int32_t number, Image24 picture, EventQueue& queue) noexcept
    : number_(number), picture_(std::move(picture)), queue_(queue) {}

std::unique_ptr<Canvas> Canvas::Create(HWND parent, int32_t number, Rect place, EventQueue& queue) noexcept {
    std::optional<Image24> picture = WhitePicture({place.width, place.height});
    if (!picture) return nullptr;
    std::unique_ptr<Canvas> canvas(new (std::nothrow) Canvas(number, std::move(*picture), queue));
    if (!canvas) return nullptr;
    const HWND window = ::CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, place.x, place.y,
                                          place.width, place.height, parent,
                                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(number)),
                                          ::GetModuleHandleW(nullptr), canvas.get());
    if (!window) return nullptr;
    canvas->window_.reset(window);
    return canvas;
}

Canvas::~Canvas() {
    // Destroy while the object still exists: destruction sends focus and
    // capture messages that this object answers.
    ReleasePointer();
    window_.reset();
}

void Canvas::ShowPicture() noexcept {
    ::InvalidateRect(window_.get(), nullptr, FALSE);
    ::UpdateWindow(window_.get());
}

void Canvas::SetCursorShape(int32_t shape) noexcept {
    cursorShape_ = shape;
    if (::GetCapture() == window_.get() || PointerIsOver(window_.get()))
        ::SetCursor(::LoadCursorW(nullptr, CursorFor(shape)));
}

bool Canvas::ResizePicture(Size size) noexcept {
    if (size == picture_.size()) return true;
    std::optional<Image24> picture = WhitePicture(size);
    if (!picture) return false;
    picture_ = std::move(*picture);
    return true;
}

void Canvas::ReleasePointer() noexcept {
    if (window_ && ::GetCapture() == window_.get()) ::ReleaseCapture();
    LiftConfinement();
}

void Canvas::LiftConfinement() noexcept {
    // Only a clip of our own is lifted; another program's stays.
    if (!confined_) return;
    confined_ = false;
    ::ClipCursor(nullptr);
}

LRESULT CALLBACK Canvas::Trampoline(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<Canvas*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return ::DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return self->Handle(window, message, wParam, lParam);
}

LRESULT Canvas::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case WM_PAINT: Paint(window); return 0;
        case WM_ERASEBKGND: return 1;  // the picture covers every pixel
        case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_SETCURSOR:
            if (LOWORD(lParam) != HTCLIENT) break;
            ::SetCursor(::LoadCursorW(nullptr, CursorFor(cursorShape_)));
            return TRUE;
        case WM_MOUSEMOVE: OnMouseMove(window, lParam); return 0;
        case WM_MOUSELEAVE:
            pointerInside_ = false;
            Report(kCanvasPointerLeft, PointerNow(window));
            return 0;
        case WM_LBUTTONDOWN: OnLeftDown(window, lParam); return 0;
        case WM_LBUTTONUP: OnLeftUp(window, lParam); return 0;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP: Report(kCanvasOtherButton, PointFromLParam(lParam)); return 0;
        case WM_MOUSEWHEEL: Report(kCanvasOtherButton, PointerNow(window)); return 0;
        case WM_CAPTURECHANGED:
        case WM_CANCELMODE: LiftConfinement(); break;
        case WM_KEYDOWN: Report(kCanvasKeyPressed, PointerNow(window), int32_t(wParam)); return 0;
        case WM_KEYUP: Report(kCanvasKeyReleased, PointerNow(window), int32_t(wParam)); return 0;
        case WM_CHAR: Report(kCanvasCharacter, PointerNow(window), int32_t(wParam)); return 0;
        case WM_SETFOCUS: Report(kCanvasFocusGained, PointerNow(window)); return 0;
        case WM_KILLFOCUS: Report(kCanvasFocusLost, PointerNow(window)); return 0;
        default: break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void Canvas::Paint(HWND window) noexcept {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(window, &paint);
    if (!dc) return;
    // The picture is already in DIB layout, so it goes to the screen as it is.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture_.width();
    info.bmiHeader.biHeight = picture_.height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    ::SetDIBitsToDevice(dc, 0, 0, DWORD(picture_.width()), DWORD(picture_.height()), 0, 0, 0,
                        UINT(picture_.height()), picture_.bits(), &info, DIB_RGB_COLORS);
    ::EndPaint(window, &paint);
}

void Canvas::OnMouseMove(HWND window, LPARAM lParam) noexcept {
    int32_t type = kCanvasPointerMoved;
    if (!pointerInside_) {
        TRACKMOUSEEVENT tracking{};
        tracking.cbSize = sizeof(tracking);
        tracking.dwFlags = TME_LEAVE;
        tracking.hwndTrack = window;
        pointerInside_ = ::TrackMouseEvent(&tracking) != FALSE;
        // While the canvas holds the pointer every movement belongs to the
        // drag, even if the system reported a leave in between.
        if (::GetCapture() != window) type = kCanvasPointerEntered;
    }
    Report(type, PointFromLParam(lParam));
}

void Canvas::OnLeftDown(HWND window, LPARAM lParam) noexcept {
    ::SetFocus(window);
    ::SetCapture(window);
    confined_ = ConfineToClientArea(window);
    Report(kCanvasLeftPressed, PointFromLParam(lParam));
}

void Canvas::OnLeftUp(HWND window, LPARAM lParam) noexcept {
    if (::GetCapture() == window) ::ReleaseCapture();
    LiftConfinement();
    Report(kCanvasLeftReleased, PointFromLParam(lParam));
}

void Canvas::Report(int32_t type, Point position, int32_t key) noexcept {
    queue_.Push(Event{EventKind::Control, number_, type, position, key});
}

Point Canvas::PointerNow(HWND window) const noexcept {
    const DWORD packed = ::GetMessagePos();
    POINT point{GET_X_LPARAM(packed), GET_Y_LPARAM(packed)};
    ::ScreenToClient(window, &point);
    return {point.x, point.y};
}

}  // namespace corvane::win32
