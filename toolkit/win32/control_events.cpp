// What the controls tell their parent, as events: button clicks, the spin
// fields' text, focus and step notifications, and the image button's face.
#include "toolkit/win32/controls.h"

#include "toolkit/win32/image_button.h"

namespace corvane::win32 {
namespace {

std::optional<int32_t> ButtonEventType(ControlKind kind, WORD code) noexcept {
    if (code == BN_CLICKED) return kButtonClicked;
    // An owner-drawn button reports the second click of a double click as
    // BN_DOUBLECLICKED; a push button counts it as one more click.
    if (kind == ControlKind::ImageButton && code == BN_DOUBLECLICKED) return kButtonClicked;
    return std::nullopt;
}

std::optional<int32_t> FieldEventType(WORD code, bool programIsWriting) noexcept {
    switch (code) {
        case EN_CHANGE:
            if (programIsWriting) return std::nullopt;
            return kFieldTextChanged;
        case EN_SETFOCUS: return kFieldFocusGained;
        case EN_KILLFOCUS: return kFieldFocusLost;
        default: return std::nullopt;
    }
}

}  // namespace

std::optional<Event> ControlSet::EventForCommand(HWND from, WORD code) const noexcept {
    for (const auto& [number, control] : controls_) {
        if (control.Handle() != from) continue;
        std::optional<int32_t> type;
        switch (control.kind) {
            case ControlKind::Button:
            case ControlKind::ImageButton: type = ButtonEventType(control.kind, code); break;
            case ControlKind::SpinField: type = FieldEventType(code, programIsWriting_); break;
            default: break;
        }
        if (!type) return std::nullopt;
        return Event{EventKind::Control, number, *type};
    }
    return std::nullopt;
}

std::optional<LRESULT> ControlSet::OnNotify(const NMHDR& header) noexcept {
    if (header.code != UINT(UDN_DELTAPOS)) return std::nullopt;
    for (auto& [number, control] : controls_) {
        if (control.kind != ControlKind::SpinField || control.arrows.get() != header.hwndFrom) continue;
        const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
        if (change.iDelta != 0) StepField(number, control, change.iDelta > 0 ? 1 : -1);
        return TRUE;  // the up-down itself changes nothing
    }
    return std::nullopt;
}

bool ControlSet::OnDrawItem(const DRAWITEMSTRUCT& item) const noexcept {
    if (item.CtlType != ODT_BUTTON) return false;
    for (const auto& [number, control] : controls_) {
        if (control.kind != ControlKind::ImageButton || control.Handle() != item.hwndItem) continue;
        DrawImageButton(item, control.icon.get(), control.iconSize);
        return true;
    }
    return false;
}

}  // namespace corvane::win32
