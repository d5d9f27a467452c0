#include "selection/overlay.h"

#include <array>

#include "app/numbers.h"

namespace corvane {
namespace {

// Top, right, left, bottom: the order matters where lines of a thin
// rectangle overlap.
void DrawOutline(Painter& painter, Rect r, Colour colour) {
    painter.SetMode(DrawMode::Opaque);
    painter.SetColour(colour);
    const int32_t right = r.x + r.width - 1;
    const int32_t bottom = r.y + r.height - 1;
    painter.DrawLine({r.x, r.y}, {right, r.y});
    painter.DrawLine({right, r.y}, {right, bottom});
    painter.DrawLine({r.x, r.y}, {r.x, bottom});
    painter.DrawLine({r.x, bottom}, {right, bottom});
}

// The right and bottom handles sit on the last column and row inside.
std::array<Point, 8> HandleCentres(Rect r) {
    const int32_t midX = r.x + r.width / 2, midY = r.y + r.height / 2;
    const int32_t right = r.x + r.width - 1, bottom = r.y + r.height - 1;
    return {{{r.x, r.y}, {midX, r.y}, {right, r.y}, {r.x, midY},
             {right, midY}, {r.x, bottom}, {midX, bottom}, {right, bottom}}};
}

void DrawHandle(Painter& painter, Point centre) {
    DrawOutline(painter, {centre.x - 3, centre.y - 3, 7, 7}, kFrameColour);
    painter.FillBox({centre.x - 2, centre.y - 2, 5, 5}, kHandleFill);
}

// The four bands tile the outside of the rectangle without overlap, so no
// pixel is blended twice.
void DrawVeil(Painter& painter, Size preview, Rect r) {
    const int32_t pw = preview.width, ph = preview.height;
    painter.FillBox({0, 0, pw, r.y});
    painter.FillBox({r.x + r.width, r.y, pw - r.x - r.width, ph - r.y});
    painter.FillBox({0, r.y + r.height, r.x + r.width, ph - r.y - r.height});
    painter.FillBox({0, r.y, r.x, r.height});
}

}  // namespace

void PaintOverlay(Image24& canvas, const Image24& preview, Rect selection) {
    Painter painter(canvas);
    painter.CopyImage(preview, {0, 0});
    painter.SetMode(DrawMode::Blend);
    painter.SetColour(VeilColour);
    if (selection.IsEmpty()) {
        painter.FillBox({0, 0, preview.width(), preview.height()});
        return;
    }
    DrawVeil(painter, preview.size(), selection);
    DrawOutline(painter, selection, kFrameColour);
    for (Point centre : HandleCentres(selection)) DrawHandle(painter, centre);
}

void DrawSelection(Program& program, Rect rectangle) {
    Toolkit& tk = program.toolkit;
    const auto& preview = program.capture.previewImage;
    // After a refused layout the canvas may belong to an earlier capture; it is
    // only drawn on when it matches the preview.
    if (Image24* canvas = tk.BeginCanvasDrawing(ids::SelectionCanvas)) {
        if (preview && canvas->size() == preview->size()) PaintOverlay(*canvas, *preview, rectangle);
        tk.EndCanvasDrawing(ids::SelectionCanvas);
    }
    program.selection.selection = rectangle;
}

}  // namespace corvane
