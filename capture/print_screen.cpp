#include "capture/print_screen.h"

#include "app/numbers.h"
#include "capture/intake.h"
#include "export/clipboard_out.h"

namespace corvane {
namespace {

// The system may still be busy copying the screen when the press is seen.
bool WaitForClipboardChange(Toolkit& tk, uint32_t since) {
    for (int32_t waited = 0; waited < kFreshClipboardWaitMs; waited += kFreshClipboardStepMs) {
        tk.Sleep(kFreshClipboardStepMs);
        if (tk.ClipboardSequenceNumber() != since) return true;
    }
    return false;
}

void ShowSnippingNoticeOnce(Program& program) {
    if (program.freshness.snippingNoticeShown) return;
    program.freshness.snippingNoticeShown = true;
    program.toolkit.ShowTrayBalloon(ids::TrayIcon, kSnippingNoticeTitle, kSnippingNoticeText);
}

// Copies the screen to the clipboard as the system's own Print Screen would
// have, then takes it as the capture.
void ProvideScreenshot(Program& program) {
    auto screen = program.toolkit.GrabScreen();
    if (!screen) return;
    PutClipboardImage(program.toolkit, *screen);
    IntakePicture(program, std::move(*screen));
}

}  // namespace

void RememberClipboardState(Program& program) {
    program.freshness.lastSequenceNumber = program.toolkit.ClipboardSequenceNumber();
}

void PollPrintScreen(Program& program) {
    Toolkit& tk = program.toolkit;
    const uint32_t previous = program.freshness.lastSequenceNumber;
    if (tk.PrintScreenPressed()) {
        const bool fresh = tk.ClipboardSequenceNumber() != previous || WaitForClipboardChange(tk, previous);
        if (fresh) ScreenshotIntake(program);
        else if (tk.PrintScreenOpensSnipping()) ShowSnippingNoticeOnce(program);
        else ProvideScreenshot(program);
    }
    RememberClipboardState(program);
}

}  // namespace corvane
