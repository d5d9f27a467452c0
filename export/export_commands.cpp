#include "export/export_commands.h"

#include "app/numbers.h"
#include "capture/capture_window.h"
#include "export/clipboard_out.h"
#include "export/crop.h"
#include "export/file_name.h"
#include "export/save_jpeg.h"

namespace corvane {
namespace {

constexpr const char* kCopyFailedTitle = "Copy failed";
constexpr const char* kSaveFailedTitle = "Save failed";
constexpr const char* kOutOfMemoryText = "There is not enough memory for the selected area.";
constexpr const char* kClipboardBusyText =
    "The clipboard is in use by another program. The selection is kept: please try again.";
constexpr const char* kNoDesktopText = "The desktop folder could not be found. The selection is kept.";

void ReportFailure(Program& program, const std::string& title, const std::string& text) {
    program.capture.cropImage.reset();
    program.toolkit.MessageBox(ids::CaptureWindow, title, text);
}

// The date and the time are read from the clock one after the other.
std::string FileNameForNow(Toolkit& tk) {
    std::string name = FormatDateMask(kExportDateMask, tk.LocalClock());
    name += kExportNameMiddle;
    name += FormatDateMask(kExportTimeMask, tk.LocalClock());
    name += kExportExtension;
    return name;
}

}  // namespace

bool ExportGuard(Program& program) {
    const SelectionState& s = program.selection;
    if (s.active && s.selection.width > 0 && s.selection.height > 0) return true;
    program.toolkit.MessageBox(ids::CaptureWindow, "No selected area",
                               "There is no selected area. Please select the wanted area");
    return false;
}

bool BuildCropImage(Program& program) {
    Toolkit& tk = program.toolkit;
    const int32_t height = tk.FieldValue(ids::HeightField);
    const int32_t width = tk.FieldValue(ids::WidthField);
    const int32_t y = tk.FieldValue(ids::YField);
    const int32_t x = tk.FieldValue(ids::XField);
    const auto& capture = program.capture.captureImage;
    program.capture.cropImage = CropFromCapture(capture ? &*capture : nullptr, {x, y, width, height});
    return program.capture.cropImage.has_value();
}

void CmdCopyToClipboard(Program& program) {
    if (!ExportGuard(program)) return;
    if (!BuildCropImage(program)) return ReportFailure(program, kCopyFailedTitle, kOutOfMemoryText);
    if (!PutClipboardImage(program.toolkit, *program.capture.cropImage))
        return ReportFailure(program, kCopyFailedTitle, kClipboardBusyText);
    DismissCaptureWindow(program);
}

void CmdSaveToDesktop(Program& program) {
    if (!ExportGuard(program)) return;
    if (!BuildCropImage(program)) return ReportFailure(program, kSaveFailedTitle, kOutOfMemoryText);
    Toolkit& tk = program.toolkit;
    const auto folder = tk.DesktopFolder();
    if (!folder) return ReportFailure(program, kSaveFailedTitle, kNoDesktopText);
    const SaveResult saved = SaveJpegNoOverwrite(tk.Files(), *folder, FileNameForNow(tk), *program.capture.cropImage,
                                                 kWindowsPathSeparator, program.jpegEncoder);
    if (!saved.ok) return ReportFailure(program, kSaveFailedTitle, saved.error);
    DismissCaptureWindow(program);
}

}  // namespace corvane
