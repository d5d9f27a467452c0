// The software drawing service: everything the program paints, it paints into
// an Image24 with these exact pixel rules.
//  - Opaque mode: a covered pixel takes the colour's red, green and blue.
//  - Blend mode: each channel becomes (old * (255 - A) + new * A) / 255, truncated.
//  - A box with a negative width or height covers the mirrored range
//    (left + width .. left - 1); zero covers nothing.
//  - Lines are horizontal or vertical and include both ends.
//  - Everything is clipped to the target image.
#pragma once

#include <cstdint>

#include "toolkit/geometry.h"
#include "toolkit/image.h"

namespace corvane {

// Red in the low byte, then green, blue and alpha.
using Colour = uint32_t;

constexpr Colour MakeColour(uint8_t r, uint8_t g, uint8_t b, uint8_t a = 0) {
    return Colour(r) | Colour(g) << 8 | Colour(b) << 16 | Colour(a) << 24;
}
constexpr uint8_t RedOf(Colour c) { return uint8_t(c); }
constexpr uint8_t GreenOf(Colour c) { return uint8_t(c >> 8); }
constexpr uint8_t BlueOf(Colour c) { return uint8_t(c >> 16); }
constexpr uint8_t AlphaOf(Colour c) { return uint8_t(c >> 24); }

enum class DrawMode { Opaque, Blend };

// A drawing pass on one image: a current mode and colour, as the overlay
// routine uses them.
class Painter {
public:
    explicit Painter(Image24& target) : target_(target) {}

    void SetMode(DrawMode mode) { mode_ = mode; }
    void SetColour(Colour colour) { colour_ = colour; }
    DrawMode mode() const { return mode_; }

    // Copies `source` with its top-left pixel at `at`, opaque, 1:1.
    void CopyImage(const Image24& source, Point at);
    // Fills in the current colour and mode.
    void FillBox(Rect box) { FillBox(box, colour_); }
    // Fills in the given colour and the current mode.
    void FillBox(Rect box, Colour colour);
    // Horizontal or vertical line in the current colour and mode; a slanted
    // line draws nothing.
    void DrawLine(Point from, Point to);

private:
    Image24& target_;
    DrawMode mode_ = DrawMode::Opaque;
    Colour colour_ = 0;
};

}  // namespace corvane
