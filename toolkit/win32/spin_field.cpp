// The numeric spin field: an edit box and an up-down beside it. The field,
// not the up-down, owns the value and writes the text: every step is taken
// over in UDN_DELTAPOS, so the value has moved and the text shows it before
// either notification of the step is queued, a step at the end of the range
// is still a step, and no thousands separator or other base can appear.
#include "toolkit/win32/controls.h"

#include "toolkit/spin_text.h"
#include "toolkit/win32/child_window.h"
#include "toolkit/win32/text.h"

namespace corvane::win32 {
namespace {

// The up-down's own identifier; its notifications are reported under the
// field's number, found by its window.
constexpr int32_t kArrowsIdOffset = 100;

int32_t Clamp(int64_t value, int32_t minimum, int32_t maximum) noexcept {
    if (value > maximum) value = maximum;
    if (value < minimum) value = minimum;
    return int32_t(value);
}

void SetArrowsPosition(HWND arrows, int32_t value) noexcept { ::SendMessageW(arrows, UDM_SETPOS32, 0, value); }

}  // namespace

void PlaceSpinField(Control& field, Rect place) noexcept {
    const int32_t arrowsWidth = place.height / 2;
    ::SetWindowPos(field.window.get(), nullptr, place.x, place.y, place.width - arrowsWidth, place.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetWindowPos(field.arrows.get(), nullptr, place.x + place.width - arrowsWidth, place.y, arrowsWidth,
                   place.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool ControlSet::CreateSpinField(int32_t number, Rect place, int32_t minimum, int32_t maximum) noexcept {
    Destroy(number);
    Control field;
    field.kind = ControlKind::SpinField;
    field.field = {minimum, maximum, minimum};
    // The sunken client edge is the whole border: a second, flat one would
    // take the room of a digit.
    field.window.reset(CreateChildWindow(parent_, WS_EX_CLIENTEDGE, L"EDIT", L"",
                                         WS_TABSTOP | ES_RIGHT | ES_AUTOHSCROLL, place, number));
    if (!field.window) return false;
    // The box is only 30 pixels wide; with the font's default margins a
    // four-digit value would scroll its first digit out of sight.
    ::SendMessageW(field.window.get(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(1, 1));
    // No UDS_SETBUDDYINT: the field writes the text itself (see above).
    field.arrows.reset(CreateChildWindow(parent_, 0, UPDOWN_CLASSW, nullptr, UDS_ARROWKEYS | UDS_NOTHOUSANDS, place,
                                         number + kArrowsIdOffset));
    if (!field.arrows) return false;
    const HWND arrows = field.arrows.get();
    ::SendMessageW(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(field.window.get()), 0);
    ::SendMessageW(arrows, UDM_SETRANGE32, WPARAM(minimum), LPARAM(maximum));
    // One step per notification also while an arrow is held down.
    UDACCEL oneByOne{0, 1};
    ::SendMessageW(arrows, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&oneByOne));
    SetArrowsPosition(arrows, minimum);
    // Setting the buddy may have moved both windows; the field's place wins.
    PlaceSpinField(field, place);
    WriteFieldText(field, Widen(FormatDecimal(minimum)), true);
    return Insert(number, std::move(field));
}

Control* ControlSet::FindField(int32_t number) noexcept {
    Control* control = Find(number);
    return control && control->kind == ControlKind::SpinField ? control : nullptr;
}

void ControlSet::WriteFieldText(Control& field, const std::wstring& text, bool fromProgram) noexcept {
    // The edit box sends EN_CHANGE to the parent from inside this call; the
    // flag tells the parent that the change is not the user's.
    const bool wasWriting = programIsWriting_;
    programIsWriting_ = fromProgram;
    ::SetWindowTextW(field.window.get(), text.c_str());
    programIsWriting_ = wasWriting;
    // A rewrite puts the caret at the start; the end is where typing goes on.
    const LPARAM end = LPARAM(text.size());
    ::SendMessageW(field.window.get(), EM_SETSEL, WPARAM(end), end);
}

void ControlSet::SetFieldMaximum(int32_t number, int32_t maximum) noexcept {
    Control* field = FindField(number);
    if (!field) return;
    field->field.maximum = maximum;
    ::SendMessageW(field->arrows.get(), UDM_SETRANGE32, WPARAM(field->field.minimum), LPARAM(maximum));
}

void ControlSet::SetFieldValue(int32_t number, int32_t value) noexcept {
    Control* field = FindField(number);
    if (!field) return;
    field->field.value = value;
    SetArrowsPosition(field->arrows.get(), value);
    WriteFieldText(*field, Widen(FormatDecimal(value)), true);
}

void ControlSet::SetFieldText(int32_t number, const std::wstring& text) noexcept {
    Control* field = FindField(number);
    if (field) WriteFieldText(*field, text, true);
}

int32_t ControlSet::FieldValue(int32_t number) noexcept {
    Control* field = FindField(number);
    if (!field) return 0;
    FieldRange& range = field->field;
    const std::optional<int32_t> typed =
        ParseFieldValue(Narrow(WindowText(field->window.get())), range.minimum, range.maximum);
    if (typed) range.value = *typed;
    return range.value;
}

std::wstring ControlSet::FieldText(int32_t number) const noexcept {
    const Control* control = Find(number);
    if (!control || control->kind != ControlKind::SpinField) return {};
    return WindowText(control->window.get());
}

void ControlSet::StepField(int32_t number, Control& field, int32_t direction) noexcept {
    const int32_t current = FieldValue(number);
    const int32_t next = Clamp(int64_t{current} + direction, field.field.minimum, field.field.maximum);
    field.field.value = next;
    SetArrowsPosition(field.arrows.get(), next);
    // The rewrite is part of the user's step, so it is reported as a text
    // change; an unchanged text is left alone.
    const std::wstring text = Widen(FormatDecimal(next));
    if (WindowText(field.window.get()) != text) WriteFieldText(field, text, false);
    queue_.Push(Event{EventKind::Control, number, direction > 0 ? kFieldStepUp : kFieldStepDown});
}

}  // namespace corvane::win32
