// Pumping and waiting. The shortcuts and Tab navigation apply only while the
// main window is the active window and the key is meant for it or one of its
// controls, and the shortcuts see the key before the focused control does.
#include "toolkit/win32/message_pump.h"

namespace corvane::win32 {
namespace {

bool IsForActiveMainWindow(HWND mainWindow, const MSG& message) noexcept {
    if (!mainWindow || ::GetActiveWindow() != mainWindow) return false;
    return message.hwnd == mainWindow || ::IsChild(mainWindow, message.hwnd);
}

// The dialog manager turns a Return or Escape that no shortcut took (with
// Shift held, say) into a click of the control numbered IDOK or IDCANCEL,
// and those numbers are program commands here. Such keys go to the focused
// control as they are.
bool IsDefaultButtonKey(const MSG& message) noexcept {
    return message.message == WM_KEYDOWN && (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE);
}

}  // namespace

void PumpMessages(HWND mainWindow, HACCEL shortcuts, const EventQueue& queue) noexcept {
    MSG message{};
    while (queue.Empty() && ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        // Nothing posts WM_QUIT; the program ends through its own command.
        if (message.message == WM_QUIT) continue;
        if (IsForActiveMainWindow(mainWindow, message)) {
            if (shortcuts && ::TranslateAcceleratorW(mainWindow, shortcuts, &message)) continue;
            if (!IsDefaultButtonKey(message) && ::IsDialogMessageW(mainWindow, &message)) continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

void WaitForMessages(uint32_t milliseconds) noexcept {
    // MWMO_INPUTAVAILABLE: input that arrived before the call but was not
    // yet removed also ends the wait.
    ::MsgWaitForMultipleObjectsEx(0, nullptr, DWORD(milliseconds), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

}  // namespace corvane::win32
