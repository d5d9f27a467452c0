// Child window helpers used by every kind of control.
#include "toolkit/win32/child_window.h"

namespace corvane::win32 {

HWND CreateChildWindow(HWND parent, DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style,
                       Rect place, int32_t id) noexcept {
    if (!parent) return nullptr;
    const HWND window = ::CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, place.x, place.y,
                                          place.width, place.height, parent,
                                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                          ::GetModuleHandleW(nullptr), nullptr);
    if (window) ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return window;
}

std::wstring WindowText(HWND window) noexcept {
    const int length = ::GetWindowTextLengthW(window);
    if (length <= 0) return {};
    try {
        std::wstring text(size_t(length) + 1, L'\0');
        const int copied = ::GetWindowTextW(window, text.data(), length + 1);
        text.resize(size_t(copied > 0 ? copied : 0));
        return text;
    } catch (...) {
        return {};
    }
}

Rect PlaceInParent(HWND window) noexcept {
    RECT outer{};
    if (!::GetWindowRect(window, &outer)) return {};
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&outer), 2);
    return {outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top};
}

}  // namespace corvane::win32
