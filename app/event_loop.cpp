#include "app/event_loop.h"

#include <array>

#include "app/numbers.h"
#include "capture/capture_window.h"
#include "capture/layout_geometry.h"
#include "capture/print_screen.h"
#include "export/export_commands.h"
#include "selection/editor.h"
#include "selection/fields.h"
#include "selection/overlay.h"

namespace corvane {
namespace {

void CancelCommand(Program& program) {
    if (!program.selection.active) return DismissCaptureWindow(program);
    DrawSelection(program, {0, 0, 0, 0});
    UpdateFields(program);
    program.selection.active = false;
}

void OpenExportMenu(Program& program) {
    Toolkit& tk = program.toolkit;
    const Point at = ExportMenuPoint(tk.WindowOuterCorner(ids::CaptureWindow), tk.ControlPosition(ids::MenuButton));
    tk.ShowPopupMenu(ids::ExportMenu, ids::CaptureWindow, at);
}

using Handler = void (*)(Program&, const Event&);

struct DispatchRow {
    int32_t number;
    Handler handler;
};

// Controls and commands share one number space, so a button, a menu item and
// a shortcut of the same number run the same handler. Tested in this order.
constexpr std::array<DispatchRow, 9> kDispatch = {{
    {ids::SelectionCanvas, [](Program& p, const Event& e) { HandleCanvasEvent(p, e); }},
    {ids::XField, [](Program& p, const Event& e) { ApplyFieldEdit(p, e.number, e.type); }},
    {ids::YField, [](Program& p, const Event& e) { ApplyFieldEdit(p, e.number, e.type); }},
    {ids::WidthField, [](Program& p, const Event& e) { ApplyFieldEdit(p, e.number, e.type); }},
    {ids::HeightField, [](Program& p, const Event& e) { ApplyFieldEdit(p, e.number, e.type); }},
    {ids::CmdSelectAll, [](Program& p, const Event&) { SelectAll(p); }},
    {ids::MenuButton, [](Program& p, const Event&) { OpenExportMenu(p); }},
    {ids::CmdSaveToDesktop, [](Program& p, const Event&) { CmdSaveToDesktop(p); }},
    {ids::CmdCopyToClipboard, [](Program& p, const Event&) { CmdCopyToClipboard(p); }},
}};

void Dispatch(Program& program, const Event& event) {
    for (const DispatchRow& row : kDispatch) {
        if (row.number == event.number) {
            row.handler(program, event);
            return;
        }
    }
}

bool IsTrayPress(const Event& event) {
    return event.kind == EventKind::Tray && (event.type == kTrayLeftPressed || event.type == kTrayRightPressed);
}

}  // namespace

bool RunLoopTurn(Program& program) {
    Toolkit& tk = program.toolkit;
    const Event event = tk.WaitEvent(kLoopWaitMs);
    program.shell.lastEvent = event;
    PollPrintScreen(program);

    if (event.kind == EventKind::Close && event.number == ids::CaptureWindow) DismissCaptureWindow(program);
    else if (event.kind == EventKind::Menu && event.number == ids::CmdCancel) CancelCommand(program);

    if (event.kind == EventKind::Control || event.kind == EventKind::Menu) Dispatch(program, event);
    if (event.kind == EventKind::Menu && event.number == ids::CmdExit) return false;
    if (IsTrayPress(event)) tk.ShowPopupMenuAtCursor(ids::TrayMenu, ids::CaptureWindow);
    return true;
}

void RunEventLoop(Program& program) {
    while (RunLoopTurn(program)) {
    }
}

}  // namespace corvane
