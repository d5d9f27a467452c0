#include "selection/editor.h"

#include "app/numbers.h"
#include "selection/drag_math.h"
#include "selection/fields.h"
#include "selection/overlay.h"

namespace corvane {
namespace {

constexpr int32_t kDragWaitMs = 100;

constexpr int32_t kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39, kKeyDown = 40;

void Redraw(Program& program, Rect rectangle) {
    DrawSelection(program, rectangle);
    UpdateFields(program);
}

void UpdateDragMode(Program& program, Point pointer) {
    HoverResult hover;
    if (program.selection.active) hover = ClassifyHover(program.selection.selection, pointer);
    program.drag.mode = hover.mode;
    program.drag.side = hover.side;
    program.toolkit.SetCanvasCursor(ids::SelectionCanvas, CursorFor(hover.mode));
}

// Runs until the canvas reports the left button's release. Every event that
// is not the canvas's is dropped, so nothing else happens during a drag.
void RunDrag(Program& program, bool moving, DragMode sizingMode) {
    Toolkit& tk = program.toolkit;
    for (;;) {
        const Event event = tk.WaitEvent(kDragWaitMs);
        if (event.kind != EventKind::Control || event.number != ids::SelectionCanvas) continue;
        if (event.type == kCanvasLeftReleased) break;
        if (event.type != kCanvasPointerMoved) continue;
        const Rect current = program.selection.selection;
        Redraw(program, moving ? MoveDragStep(event.position, program.drag.anchor, current, program.capture.previewSize)
                               : SizingDragStep(event.position, program.drag.anchor, sizingMode, current));
    }
    program.selection.active = true;
}

void BeginDrag(Program& program, Point press) {
    DragState& drag = program.drag;
    const Rect s = program.selection.selection;
    const bool active = program.selection.active;
    bool moving = false;
    DragMode sizingMode = drag.mode;
    if (drag.mode == DragMove && active) {
        moving = true;
        drag.anchor = {press.x - s.x, press.y - s.y};
    } else if (drag.mode != DragNone && active) {
        drag.anchor = SizingAnchor(drag.mode, drag.side, s);
    } else {
        // Also when a stale hover mode outlived the committed selection: a
        // press then starts a new rectangle, as it would over empty canvas.
        drag.anchor = press;
        sizingMode = DragNone;
    }
    program.selection.active = false;
    RunDrag(program, moving, sizingMode);
}

void NudgeSelection(Program& program, int32_t key) {
    if (!program.selection.active) return;
    Rect s = program.selection.selection;
    const Size preview = program.capture.previewSize;
    if (key == kKeyLeft && s.x > 0) --s.x;
    if (key == kKeyUp && s.y > 0) --s.y;
    if (key == kKeyRight && s.x + s.width < preview.width) ++s.x;
    if (key == kKeyDown && s.y + s.height < preview.height) ++s.y;
    Redraw(program, s);
}

}  // namespace

void HandleCanvasEvent(Program& program, const Event& event) {
    switch (event.type) {
        case kCanvasPointerMoved: UpdateDragMode(program, event.position); break;
        case kCanvasLeftPressed: BeginDrag(program, event.position); break;
        case kCanvasKeyPressed: NudgeSelection(program, event.key); break;
        default: break;
    }
}

void SelectAll(Program& program) {
    if (!program.capture.captureImage) return;
    const Size preview = program.capture.previewSize;
    Redraw(program, {0, 0, preview.width, preview.height});
    program.selection.active = true;
}

}  // namespace corvane
