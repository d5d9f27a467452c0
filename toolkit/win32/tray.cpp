// Notification-area icons through Shell_NotifyIconW.
#include "toolkit/win32/tray.h"

#include <shellapi.h>

#include <algorithm>
#include <iterator>

#include "toolkit/toolkit.h"
#include "toolkit/win32/icon.h"

namespace corvane::win32 {
namespace {

constexpr size_t kTooltipLimit = 63;

// Copies at most `limit` UTF-16 units, never half of a surrogate pair, and
// ends the copy with a zero. `limit` is below the buffer's size.
template <size_t N>
void CopyLimited(wchar_t (&buffer)[N], const std::wstring& text, size_t limit) noexcept {
    static_assert(N > 1);
    limit = std::min({limit, text.size(), N - 1});
    if (limit > 0 && limit < text.size() && text[limit - 1] >= 0xD800 && text[limit - 1] <= 0xDBFF) --limit;
    std::copy_n(text.data(), limit, buffer);
    buffer[limit] = L'\0';
}

NOTIFYICONDATAW DataFor(int32_t number, HWND owner) noexcept {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = owner;
    data.uID = UINT(number);
    return data;
}

}  // namespace

int32_t TrayEventTypeFor(UINT mouseMessage) noexcept {
    switch (mouseMessage) {
        case WM_LBUTTONDOWN: return kTrayLeftPressed;
        case WM_RBUTTONDOWN: return kTrayRightPressed;
        case WM_LBUTTONDBLCLK: return kTrayLeftDoubleClicked;
        case WM_RBUTTONDBLCLK: return kTrayRightDoubleClicked;
        default: return kTrayOther;
    }
}

bool TrayIcons::Announce(int32_t number, const Entry& entry) noexcept {
    NOTIFYICONDATAW data = DataFor(number, entry.owner);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = entry.icon.get();
    CopyLimited(data.szTip, entry.tooltip, kTooltipLimit);
    return ::Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

bool TrayIcons::Add(int32_t number, HWND owner, const IconImage& image) noexcept {
    Remove(number);
    if (!owner) return false;
    Entry entry;
    entry.owner = owner;
    entry.icon = MakeIcon(image);
    const bool shown = Announce(number, entry);
    try {
        icons_.insert_or_assign(number, std::move(entry));
    } catch (...) {
        if (shown) {
            NOTIFYICONDATAW data = DataFor(number, owner);
            ::Shell_NotifyIconW(NIM_DELETE, &data);
        }
        return false;
    }
    return shown;
}

void TrayIcons::SetTooltip(int32_t number, const std::wstring& text) noexcept {
    const auto found = icons_.find(number);
    if (found == icons_.end()) return;
    try {
        found->second.tooltip = text.substr(0, kTooltipLimit);
    } catch (...) {
    }
    NOTIFYICONDATAW data = DataFor(number, found->second.owner);
    data.uFlags = NIF_TIP;
    CopyLimited(data.szTip, text, kTooltipLimit);
    ::Shell_NotifyIconW(NIM_MODIFY, &data);
}

void TrayIcons::ShowBalloon(int32_t number, const std::wstring& title, const std::wstring& text) noexcept {
    const auto found = icons_.find(number);
    if (found == icons_.end()) return;
    NOTIFYICONDATAW data = DataFor(number, found->second.owner);
    data.uFlags = NIF_INFO;
    data.dwInfoFlags = NIIF_INFO;
    CopyLimited(data.szInfoTitle, title, std::size(data.szInfoTitle) - 1);
    CopyLimited(data.szInfo, text, std::size(data.szInfo) - 1);
    ::Shell_NotifyIconW(NIM_MODIFY, &data);
}

void TrayIcons::Remove(int32_t number) noexcept {
    const auto found = icons_.find(number);
    if (found == icons_.end()) return;
    NOTIFYICONDATAW data = DataFor(number, found->second.owner);
    ::Shell_NotifyIconW(NIM_DELETE, &data);
    icons_.erase(found);
}

void TrayIcons::RemoveOwnedBy(HWND owner) noexcept {
    for (auto it = icons_.begin(); it != icons_.end();) {
        const auto next = std::next(it);
        if (it->second.owner == owner) Remove(it->first);
        it = next;
    }
}

void TrayIcons::RemoveAll() noexcept {
    while (!icons_.empty()) Remove(icons_.begin()->first);
}

void TrayIcons::AddAllAgain() noexcept {
    for (const auto& [number, entry] : icons_) Announce(number, entry);
}

}  // namespace corvane::win32
