// The one routine that paints the canvas: the preview, a translucent white
// veil outside the selection, a black frame on its border and eight handles.
#pragma once

#include "app/program_state.h"
#include "toolkit/draw.h"

namespace corvane {

inline constexpr Colour VeilColour = MakeColour(255, 255, 255, 200);
inline constexpr Colour kFrameColour = MakeColour(0, 0, 0);
// Alpha 0, but handles are filled in opaque mode, so they come out solid white.
inline constexpr Colour kHandleFill = MakeColour(255, 255, 255, 0);

// Paints `preview` with the overlay for `selection` into `canvas`. The whole
// picture is redrawn every time.
void PaintOverlay(Image24& canvas, const Image24& preview, Rect selection);

// Repaints the canvas for the rectangle (preview pixels) and stores it as the
// selection, also when it is empty. Draws nothing without a canvas or preview.
void DrawSelection(Program& program, Rect rectangle);

}  // namespace corvane
