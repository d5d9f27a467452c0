#include "capture/intake.h"

#include "capture/capture_window.h"
#include "capture/layout_geometry.h"
#include "capture/preview_fit.h"
#include "selection/fields.h"
#include "selection/overlay.h"
#include "toolkit/dib_codec.h"
#include "toolkit/resize.h"

namespace corvane {
namespace {

std::optional<Image24> ReadClipboardPicture(Toolkit& tk) {
    auto block = tk.ReadClipboardDib();
    if (!block) return std::nullopt;
    return std::move(DecodeDib(*block).image);
}

std::optional<Image24> MakePreview(const Image24& capture, Size fit) {
    if (fit == capture.size()) return capture.Clone();
    return ResizeSmooth(capture, fit.width, fit.height);
}

}  // namespace

void ScreenshotIntake(Program& program) {
    if (auto picture = ReadClipboardPicture(program.toolkit)) IntakePicture(program, std::move(*picture));
}

void IntakePicture(Program& program, Image24 picture) {
    // The preview is settled before anything is replaced, so a refused or
    // failed one leaves the current capture intact.
    const Size fit = FitPreview(picture.size(), program.shell.desktopSize);
    // A fit with a side of 0 leaves no preview at all, which is refused as
    // being 0 pixels wide.
    const bool fitUsable = fit.width > 0 && fit.height > 0;
    if (!AcceptsPreviewWidth(fitUsable ? fit.width : 0)) {
        ShowInvalidWidth(program);
        return;
    }
    auto preview = MakePreview(picture, fit);
    if (!preview) return;
    const Size previewSize = preview->size();

    CaptureState& capture = program.capture;
    capture.captureImage = std::move(picture);
    program.selection.active = false;
    capture.previewImage = std::move(preview);
    capture.previewSize = previewSize;
    LayoutCaptureWindow(program);
    DrawSelection(program, {0, 0, 0, 0});
    UpdateFields(program);
}

}  // namespace corvane
