// The Print Screen poll of every loop turn, and making sure a press yields a
// fresh screenshot rather than whatever picture the clipboard held before.
#pragma once

#include "app/program_state.h"

namespace corvane {

inline constexpr int32_t kFreshClipboardWaitMs = 500;
inline constexpr int32_t kFreshClipboardStepMs = 20;

inline constexpr const char* kSnippingNoticeTitle = "Print Screen is taken by Windows";
inline constexpr const char* kSnippingNoticeText =
    "On this PC Print Screen opens the Windows screen capture, so Corvane gets no screenshot. "
    "To use Corvane, turn off Settings > Accessibility > Keyboard > "
    "\"Use the Print screen key to open screen capture\".";

// Remembers the clipboard's state without taking anything; start-up calls it
// so a picture that was there before the program ran is not taken as new.
void RememberClipboardState(Program& program);

// Queries the key; on a press runs the intake on a fresh picture: the one the
// system put on the clipboard, or, where the system puts none, a picture of
// the screen made here as the system would.
void PollPrintScreen(Program& program);

}  // namespace corvane
