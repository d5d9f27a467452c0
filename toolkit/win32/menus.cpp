// Popup menus through TrackPopupMenuEx.
#include "toolkit/win32/menus.h"

namespace corvane::win32 {

bool PopupMenus::Create(int32_t number) noexcept {
    menus_.erase(number);
    ScopedMenu menu(::CreatePopupMenu());
    if (!menu) return false;
    try {
        menus_.insert_or_assign(number, std::move(menu));
    } catch (...) {
        return false;
    }
    return true;
}

bool PopupMenus::Append(int32_t number, int32_t command, const std::wstring& text) noexcept {
    const auto found = menus_.find(number);
    if (found == menus_.end() || command < 0 || command > 0xFFFF) return false;
    return ::AppendMenuW(found->second.get(), MF_STRING, UINT_PTR(command), text.c_str()) != FALSE;
}

void PopupMenus::Show(int32_t number, HWND owner, POINT screen) noexcept {
    const auto found = menus_.find(number);
    if (found == menus_.end() || !owner) return;
    // Without the owner in the foreground the menu does not close when the
    // user clicks elsewhere; the posted message afterwards makes the owner's
    // thread notice the switch (both are documented requirements of
    // TrackPopupMenu for notification-area menus).
    ::SetForegroundWindow(owner);
    ::TrackPopupMenuEx(found->second.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, owner,
                       nullptr);
    ::PostMessageW(owner, WM_NULL, 0, 0);
}

}  // namespace corvane::win32
