// Geometry of the capture window for a preview of PW x PH pixels: where the
// window goes, where the row of controls under the preview goes, and which
// controls the width leaves room for.
#pragma once

#include <cstdint>

#include "toolkit/geometry.h"

namespace corvane {

inline constexpr int32_t kNarrowestPreview = 31;      // below this the window is refused
inline constexpr int32_t kControlsRowHeight = 36;     // client height below the preview
inline constexpr int32_t kFieldsVisibleFrom = 290;    // labels and fields
inline constexpr int32_t kButtonsVisibleFrom = 511;   // the two export buttons replace the menu button

constexpr bool AcceptsPreviewWidth(int32_t previewWidth) { return previewWidth >= kNarrowestPreview; }

// The window's outer corner is centred by the preview's size, not the window's.
constexpr Point CaptureWindowCorner(Size preview, Size desktop) {
    return {(desktop.width - preview.width) / 2, (desktop.height - preview.height) / 2};
}

constexpr Size CaptureWindowClient(Size preview) { return {preview.width, preview.height + kControlsRowHeight}; }

// The labels sit at the integer nearest to PH + 14.5, ties going to the even
// neighbour: PH + 14 for an even PH, PH + 15 for an odd one.
constexpr int32_t LabelRowY(int32_t previewHeight) {
    const int32_t below = previewHeight + 14;
    return below % 2 == 0 ? below : below + 1;
}
constexpr int32_t FieldRowY(int32_t previewHeight) { return previewHeight + 11; }
constexpr int32_t SeparatorY(int32_t previewHeight) { return previewHeight + 5; }

constexpr int32_t ClipboardButtonX(int32_t previewWidth) { return previewWidth - 150; }
constexpr int32_t DesktopButtonX(int32_t previewWidth) { return previewWidth - 75; }
constexpr int32_t MenuButtonX(int32_t previewWidth) { return previewWidth - 25; }

struct RowVisibility {
    bool fields;         // labels and fields
    bool exportButtons;  // "Clipboard" and "Desktop"
    bool menuButton;
    friend constexpr bool operator==(RowVisibility, RowVisibility) = default;
};

constexpr RowVisibility RowVisibilityFor(int32_t previewWidth) {
    return {previewWidth >= kFieldsVisibleFrom, previewWidth >= kButtonsVisibleFrom,
            previewWidth < kButtonsVisibleFrom};
}

// ExportMenu opens at the window's outer corner (not its client corner) plus
// the menu button's client position plus (21, 42).
constexpr Point ExportMenuPoint(Point windowOuterCorner, Point menuButtonPosition) {
    return {windowOuterCorner.x + menuButtonPosition.x + 21, windowOuterCorner.y + menuButtonPosition.y + 42};
}

}  // namespace corvane
