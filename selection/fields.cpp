#include "selection/fields.h"

#include <array>

#include "app/numbers.h"
#include "selection/field_conversion.h"
#include "selection/overlay.h"
#include "toolkit/spin_text.h"

namespace corvane {
namespace {

enum class Axis { Horizontal, Vertical };

struct FieldRow {
    int32_t number;
    Axis axis;
    int32_t Rect::*component;
};

constexpr std::array<FieldRow, 4> kFields = {{
    {ids::XField, Axis::Horizontal, &Rect::x},
    {ids::YField, Axis::Vertical, &Rect::y},
    {ids::WidthField, Axis::Horizontal, &Rect::width},
    {ids::HeightField, Axis::Vertical, &Rect::height},
}};

int32_t Side(Size size, Axis axis) { return axis == Axis::Horizontal ? size.width : size.height; }

Size CaptureSize(const Program& program) {
    const auto& capture = program.capture.captureImage;
    return capture ? capture->size() : Size{};
}

bool IsEdit(int32_t kind) { return kind == kFieldTextChanged || kind == kFieldStepUp || kind == kFieldStepDown; }

// The edited field gives way so that position + size stays within the
// capture; its partner is left alone. Only the text is written: the value
// follows it on the next read, as the clamped number is always in range.
void ClampAgainstPartner(Toolkit& tk, int32_t number, Size capture) {
    const int32_t x = tk.FieldValue(ids::XField), w = tk.FieldValue(ids::WidthField);
    const int32_t y = tk.FieldValue(ids::YField), h = tk.FieldValue(ids::HeightField);
    const bool widthOverflows = w > capture.width - x;
    const bool heightOverflows = h > capture.height - y;
    if (number == ids::XField && widthOverflows) tk.SetFieldText(number, FormatDecimal(capture.width - w));
    if (number == ids::WidthField && widthOverflows) tk.SetFieldText(number, FormatDecimal(capture.width - x));
    if (number == ids::YField && heightOverflows) tk.SetFieldText(number, FormatDecimal(capture.height - h));
    if (number == ids::HeightField && heightOverflows) tk.SetFieldText(number, FormatDecimal(capture.height - y));
}

}  // namespace

void UpdateFields(Program& program) {
    Toolkit& tk = program.toolkit;
    const Size capture = CaptureSize(program);
    const Size preview = program.capture.previewSize;
    for (const FieldRow& field : kFields) {
        const int32_t s = program.selection.selection.*field.component;
        const int32_t v = ScaleTruncating(s, Side(capture, field.axis), Side(preview, field.axis));
        tk.SetFieldValue(field.number, v);
        tk.SetFieldText(field.number, FormatDecimal(v));
    }
}

void ApplyFieldEdit(Program& program, int32_t number, int32_t kind) {
    Toolkit& tk = program.toolkit;
    tk.SetFieldText(number, FormatDecimal(tk.FieldValue(number)));
    if (!IsEdit(kind)) return;
    // Without a capture there is nothing to convert against.
    const Size capture = CaptureSize(program);
    if (capture.width <= 0 || capture.height <= 0) return;

    ClampAgainstPartner(tk, number, capture);
    const Size preview = program.capture.previewSize;
    Rect derived;
    for (const FieldRow& field : kFields)
        derived.*field.component =
            ScaleTruncating(tk.FieldValue(field.number), Side(preview, field.axis), Side(capture, field.axis));
    DrawSelection(program, derived);
    program.selection.active = true;
}

}  // namespace corvane
