// Laying the capture window out around each new preview, and dismissing it.
#pragma once

#include "app/program_state.h"

namespace corvane {

// Gives the window the preview's size plus the controls row, centres it,
// creates the canvas, places and shows the controls the width allows, sets
// the field ranges and shows the window. Refuses, with its message box, a
// preview 30 pixels wide or less, changing nothing; returns whether it laid out.
bool LayoutCaptureWindow(Program& program);

// Tells the user the preview is too narrow.
void ShowInvalidWidth(Program& program);

// Hides the window, destroys the canvas and frees the capture's images.
void DismissCaptureWindow(Program& program);

}  // namespace corvane
