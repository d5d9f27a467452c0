// The notification-area icons by number: adding, tooltip, balloon, removal,
// and adding them again when the shell rebuilds its notification area.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>

#include "toolkit/image.h"
#include "toolkit/win32/handles.h"

namespace corvane::win32 {

// The message the icons send their owner window: wParam is the icon's
// number, lParam the mouse message (the notification area's old protocol).
inline constexpr UINT kTrayCallbackMessage = WM_APP + 1;

// The tray event type for the mouse message of a callback.
int32_t TrayEventTypeFor(UINT mouseMessage) noexcept;

class TrayIcons {
public:
    TrayIcons() noexcept = default;
    TrayIcons(const TrayIcons&) = delete;
    TrayIcons& operator=(const TrayIcons&) = delete;
    ~TrayIcons() { RemoveAll(); }

    // False when the shell refused the icon; it is kept anyway and shown
    // when the notification area (re)appears.
    bool Add(int32_t number, HWND owner, const IconImage& image) noexcept;
    void SetTooltip(int32_t number, const std::wstring& text) noexcept;
    void ShowBalloon(int32_t number, const std::wstring& title, const std::wstring& text) noexcept;
    void Remove(int32_t number) noexcept;
    void RemoveOwnedBy(HWND owner) noexcept;
    void RemoveAll() noexcept;
    // After an Explorer restart the new notification area knows no icons;
    // without this the program could no longer be reached or ended.
    void AddAllAgain() noexcept;

private:
    struct Entry {
        HWND owner = nullptr;
        ScopedIcon icon;
        std::wstring tooltip;
    };

    static bool Announce(int32_t number, const Entry& entry) noexcept;

    std::map<int32_t, Entry> icons_;
};

}  // namespace corvane::win32
