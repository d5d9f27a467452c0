// Paints the image button: frame, icon, focus rectangle.
#include "toolkit/win32/image_button.h"

namespace corvane::win32 {

void DrawImageButton(const DRAWITEMSTRUCT& item, HICON icon, Size iconSize) noexcept {
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    RECT face = item.rcItem;
    ::DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    if (icon) {
        const int32_t shift = pressed ? 1 : 0;
        const int32_t x = item.rcItem.left + (item.rcItem.right - item.rcItem.left - iconSize.width) / 2 + shift;
        const int32_t y = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - iconSize.height) / 2 + shift;
        ::DrawIconEx(item.hDC, x, y, icon, iconSize.width, iconSize.height, 0, nullptr, DI_NORMAL);
    }
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = item.rcItem;
        ::InflateRect(&focus, -3, -3);
        ::DrawFocusRect(item.hDC, &focus);
    }
}

}  // namespace corvane::win32
