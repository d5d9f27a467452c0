// Creating, placing, showing and focusing the window's controls. Creating a
// control under a number in use destroys the old control before the new one
// is made; calls on numbers that hold nothing do nothing.
#include "toolkit/win32/controls.h"

#include "toolkit/win32/child_window.h"
#include "toolkit/win32/icon.h"

namespace corvane::win32 {
namespace {

Rect Apply(const Placement& placement, Rect place) noexcept {
    return {placement.x.value_or(place.x), placement.y.value_or(place.y), placement.width.value_or(place.width),
            placement.height.value_or(place.height)};
}

}  // namespace

Control* ControlSet::Find(int32_t number) noexcept {
    const auto found = controls_.find(number);
    return found == controls_.end() ? nullptr : &found->second;
}

const Control* ControlSet::Find(int32_t number) const noexcept {
    const auto found = controls_.find(number);
    return found == controls_.end() ? nullptr : &found->second;
}

bool ControlSet::Insert(int32_t number, Control control) noexcept {
    try {
        controls_.insert_or_assign(number, std::move(control));
        return true;
    } catch (...) {
        return false;
    }
}

bool ControlSet::CreateStatic(int32_t number, Rect place, const std::wstring& text, StaticStyle style) noexcept {
    Destroy(number);
    const DWORD look = style == StaticStyle::EtchedLine ? SS_ETCHEDHORZ : SS_LEFT;
    Control control;
    control.kind = ControlKind::Static;
    control.window.reset(CreateChildWindow(parent_, 0, L"STATIC", text.c_str(), look, place, number));
    return control.window && Insert(number, std::move(control));
}

bool ControlSet::CreateButton(int32_t number, Rect place, const std::wstring& text, bool isDefault) noexcept {
    Destroy(number);
    const DWORD look = WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    Control control;
    control.kind = ControlKind::Button;
    control.window.reset(CreateChildWindow(parent_, 0, L"BUTTON", text.c_str(), look, place, number));
    return control.window && Insert(number, std::move(control));
}

bool ControlSet::CreateImageButton(int32_t number, Rect place, const IconImage& image) noexcept {
    Destroy(number);
    Control control;
    control.kind = ControlKind::ImageButton;
    control.icon = MakeIcon(image);
    control.iconSize = {image.width, image.height};
    control.window.reset(CreateChildWindow(parent_, 0, L"BUTTON", L"", WS_TABSTOP | BS_OWNERDRAW, place, number));
    return control.window && Insert(number, std::move(control));
}

bool ControlSet::CreateCanvas(int32_t number, Rect place) noexcept {
    Destroy(number);
    if (!parent_) return false;
    Control control;
    control.kind = ControlKind::Canvas;
    control.canvas = Canvas::Create(parent_, number, place, queue_);
    return control.canvas && Insert(number, std::move(control));
}

void ControlSet::Move(int32_t number, const Placement& placement) noexcept {
    Control* control = Find(number);
    if (!control) return;
    Rect current = PlaceInParent(control->Handle());
    if (control->arrows) {
        const Rect arrows = PlaceInParent(control->arrows.get());
        current.width = arrows.x + arrows.width - current.x;
    }
    const Rect place = Apply(placement, current);
    if (control->kind == ControlKind::SpinField) {
        PlaceSpinField(*control, place);
        return;
    }
    if (control->canvas && !control->canvas->ResizePicture({place.width, place.height})) return;
    ::SetWindowPos(control->Handle(), nullptr, place.x, place.y, place.width, place.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

Point ControlSet::Position(int32_t number) const noexcept {
    const Control* control = Find(number);
    if (!control) return {};
    const Rect place = PlaceInParent(control->Handle());
    return {place.x, place.y};
}

void ControlSet::Show(int32_t number, bool show) noexcept {
    Control* control = Find(number);
    if (!control) return;
    const int command = show ? SW_SHOW : SW_HIDE;
    ::ShowWindow(control->Handle(), command);
    if (control->arrows) ::ShowWindow(control->arrows.get(), command);
}

HWND ControlSet::Focus(int32_t number) noexcept {
    Control* control = Find(number);
    if (!control) return nullptr;
    ::SetFocus(control->Handle());
    return control->Handle();
}

Canvas* ControlSet::FindCanvas(int32_t number) noexcept {
    Control* control = Find(number);
    return control ? control->canvas.get() : nullptr;
}

void ControlSet::ReleasePointer() noexcept {
    for (auto& [number, control] : controls_)
        if (control.canvas) control.canvas->ReleasePointer();
}

}  // namespace corvane::win32
