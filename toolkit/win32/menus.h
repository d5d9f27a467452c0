// The popup menus by number: plain text items whose identifiers are the
// program's command numbers.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>

#include "toolkit/win32/handles.h"

namespace corvane::win32 {

class PopupMenus {
public:
    bool Create(int32_t number) noexcept;
    bool Append(int32_t number, int32_t command, const std::wstring& text) noexcept;
    // Returns when the menu closes; a chosen item reaches the owner later
    // as WM_COMMAND with the item's command number.
    void Show(int32_t number, HWND owner, POINT screen) noexcept;
    void Clear() noexcept { menus_.clear(); }

private:
    std::map<int32_t, ScopedMenu> menus_;
};

}  // namespace corvane::win32
