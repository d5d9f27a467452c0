// Editing the selection with the mouse and the keys on the canvas.
#pragma once

#include "app/program_state.h"

namespace corvane {

// Handles one canvas event. A left-button press runs the whole drag in a
// nested wait and returns after the release.
void HandleCanvasEvent(Program& program, const Event& event);

// Selects the whole preview, when a capture exists.
void SelectAll(Program& program);

}  // namespace corvane
