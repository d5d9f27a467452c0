#include "capture/capture_window.h"

#include <array>

#include "app/numbers.h"
#include "capture/layout_geometry.h"

namespace corvane {
namespace {

constexpr std::array kLabelsAndFields = {ids::XLabel, ids::XField, ids::YLabel, ids::YField,
                                         ids::WidthLabel, ids::WidthField, ids::HeightLabel, ids::HeightField};
constexpr std::array kExportButtons = {ids::ClipboardButton, ids::DesktopButton};

struct FieldStart {
    int32_t number;
    int32_t value;
};
constexpr std::array kFieldStarts = {FieldStart{ids::XField, 0}, FieldStart{ids::YField, 0},
                                     FieldStart{ids::WidthField, 1}, FieldStart{ids::HeightField, 1}};

bool IsLabel(int32_t number) {
    return number == ids::XLabel || number == ids::YLabel || number == ids::WidthLabel || number == ids::HeightLabel;
}

void PlaceControlsRow(Toolkit& tk, Size preview) {
    tk.MoveControl(ids::SeparatorLine, {.y = SeparatorY(preview.height), .width = preview.width});
    for (int32_t number : kLabelsAndFields)
        tk.MoveControl(number, {.y = IsLabel(number) ? LabelRowY(preview.height) : FieldRowY(preview.height)});
    const int32_t rowY = FieldRowY(preview.height);
    tk.MoveControl(ids::ClipboardButton, {.x = ClipboardButtonX(preview.width), .y = rowY});
    tk.MoveControl(ids::DesktopButton, {.x = DesktopButtonX(preview.width), .y = rowY});
    tk.MoveControl(ids::MenuButton, {.x = MenuButtonX(preview.width), .y = rowY});
}

// The fields work in full-resolution pixels, so their ranges follow the capture.
void ResetFields(Toolkit& tk, Size capture) {
    tk.SetFieldMaximum(ids::XField, capture.width - 1);
    tk.SetFieldMaximum(ids::YField, capture.height - 1);
    tk.SetFieldMaximum(ids::WidthField, capture.width);
    tk.SetFieldMaximum(ids::HeightField, capture.height);
    for (const FieldStart& start : kFieldStarts) {
        tk.SetFieldValue(start.number, start.value);
        tk.SetFieldText(start.number, start.value == 0 ? "0" : "1");
    }
}

void ApplyRowVisibility(Toolkit& tk, int32_t previewWidth) {
    for (int32_t number : kLabelsAndFields) tk.ShowControl(number, true);
    for (int32_t number : kExportButtons) tk.ShowControl(number, true);
    tk.ShowControl(ids::MenuButton, true);

    const RowVisibility visible = RowVisibilityFor(previewWidth);
    if (!visible.menuButton) tk.ShowControl(ids::MenuButton, false);
    if (!visible.exportButtons)
        for (int32_t number : kExportButtons) tk.ShowControl(number, false);
    if (!visible.fields) {
        for (int32_t number : kLabelsAndFields)
            if (IsLabel(number)) tk.ShowControl(number, false);
        for (int32_t number : kLabelsAndFields)
            if (!IsLabel(number)) tk.ShowControl(number, false);
    }
}

}  // namespace

void ShowInvalidWidth(Program& program) {
    program.toolkit.MessageBox(ids::CaptureWindow, "Invalid width",
                               "The width of the printed screen has to be greater than 30!");
}

bool LayoutCaptureWindow(Program& program) {
    Toolkit& tk = program.toolkit;
    const Size preview = program.capture.previewSize;
    if (!AcceptsPreviewWidth(preview.width)) {
        ShowInvalidWidth(program);
        return false;
    }
    const Size desktop = program.shell.desktopSize;
    tk.PlaceWindow(ids::CaptureWindow, CaptureWindowCorner(preview, desktop), CaptureWindowClient(preview));
    tk.CreateCanvas(ids::SelectionCanvas, {0, 0, preview.width, preview.height});
    PlaceControlsRow(tk, preview);

    const Image24* capture = program.capture.captureImage ? &*program.capture.captureImage : nullptr;
    ResetFields(tk, capture ? capture->size() : Size{});
    tk.FocusControl(ids::SelectionCanvas);
    ApplyRowVisibility(tk, preview.width);
    tk.ShowWindow(ids::CaptureWindow, true);
    program.selection.selection = {};
    return true;
}

void DismissCaptureWindow(Program& program) {
    Toolkit& tk = program.toolkit;
    program.selection.active = false;
    tk.ShowWindow(ids::CaptureWindow, false);
    tk.DestroyControl(ids::SelectionCanvas);
    program.capture.cropImage.reset();
    program.capture.captureImage.reset();
    program.capture.previewImage.reset();
}

}  // namespace corvane
