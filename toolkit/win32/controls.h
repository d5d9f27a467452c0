// The window's child controls by number: creation, placement, visibility and
// focus, the spin fields' values, and turning the notifications the controls
// send their parent into events. One number space covers every kind.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/toolkit.h"
#include "toolkit/win32/canvas.h"
#include "toolkit/win32/event_queue.h"
#include "toolkit/win32/handles.h"

namespace corvane::win32 {

enum class ControlKind { Static, Button, ImageButton, SpinField, Canvas };

// What a spin field keeps beside its edit box: the text only becomes the
// value when it is read and is a whole number within the range.
struct FieldRange {
    int32_t minimum = 0;
    int32_t maximum = 0;
    int32_t value = 0;
};

struct Control {
    ControlKind kind = ControlKind::Static;
    ScopedIcon icon;      // the image button's face; outlives the button
    Size iconSize;
    ScopedWindow window;  // the control, or a spin field's edit box
    ScopedWindow arrows;  // a spin field's up-down
    FieldRange field;
    std::unique_ptr<Canvas> canvas;

    HWND Handle() const noexcept { return canvas ? canvas->Handle() : window.get(); }
};

// A spin field's edit box takes the width less half the height; the arrows
// take half the height to its right.
void PlaceSpinField(Control& field, Rect place) noexcept;

class ControlSet {
public:
    explicit ControlSet(EventQueue& queue) noexcept : queue_(queue) {}

    // The window that new controls go into; nullptr ends creation.
    void SetParent(HWND parent) noexcept { parent_ = parent; }
    void DestroyAll() noexcept { controls_.clear(); }

    bool CreateStatic(int32_t number, Rect place, const std::wstring& text, StaticStyle style) noexcept;
    bool CreateButton(int32_t number, Rect place, const std::wstring& text, bool isDefault) noexcept;
    bool CreateImageButton(int32_t number, Rect place, const IconImage& image) noexcept;
    bool CreateSpinField(int32_t number, Rect place, int32_t minimum, int32_t maximum) noexcept;
    bool CreateCanvas(int32_t number, Rect place) noexcept;

    void Destroy(int32_t number) noexcept { controls_.erase(number); }
    void Move(int32_t number, const Placement& placement) noexcept;
    Point Position(int32_t number) const noexcept;
    void Show(int32_t number, bool show) noexcept;
    // The window that took the focus, or nullptr.
    HWND Focus(int32_t number) noexcept;

    void SetFieldMaximum(int32_t number, int32_t maximum) noexcept;
    void SetFieldValue(int32_t number, int32_t value) noexcept;
    void SetFieldText(int32_t number, const std::wstring& text) noexcept;
    int32_t FieldValue(int32_t number) noexcept;
    std::wstring FieldText(int32_t number) const noexcept;

    Canvas* FindCanvas(int32_t number) noexcept;
    void ReleasePointer() noexcept;

    // Parent-side notifications. A WM_COMMAND from a control gives at most
    // one event; an up-down step is carried out here (the result for the
    // WM_NOTIFY is returned); owner-drawn buttons are painted here.
    std::optional<Event> EventForCommand(HWND from, WORD code) const noexcept;
    std::optional<LRESULT> OnNotify(const NMHDR& header) noexcept;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) const noexcept;

private:
    Control* Find(int32_t number) noexcept;
    const Control* Find(int32_t number) const noexcept;
    Control* FindField(int32_t number) noexcept;
    bool Insert(int32_t number, Control control) noexcept;
    // Writes a field's text; from the program it produces no notification.
    void WriteFieldText(Control& field, const std::wstring& text, bool fromProgram) noexcept;
    void StepField(int32_t number, Control& field, int32_t direction) noexcept;

    EventQueue& queue_;
    HWND parent_ = nullptr;
    bool programIsWriting_ = false;
    std::map<int32_t, Control> controls_;
};

}  // namespace corvane::win32
