// Pixel rules of the painter: blend arithmetic, box ranges (mirrored,
// empty, clipped), inclusive lines and clipped copies.
#include "tests/unit/pixel_access.h"
#include "toolkit/draw.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <set>
#include <utility>

namespace corvane {
namespace {

using test::Bgr;
using test::PixelAt;

void SetPixel(Image24& image, int32_t x, int32_t y, Bgr value) {
    uint8_t* p = image.RowFromTop(y) + x * 3;
    p[0] = value[0];
    p[1] = value[1];
    p[2] = value[2];
}

// The covered pixels, found as those no longer black after an opaque white fill.
std::set<std::pair<int32_t, int32_t>> Covered(const Image24& image) {
    std::set<std::pair<int32_t, int32_t>> covered;
    for (int32_t y = 0; y < image.height(); ++y) {
        for (int32_t x = 0; x < image.width(); ++x) {
            if (PixelAt(image, x, y) != Bgr{0, 0, 0}) covered.insert({x, y});
        }
    }
    return covered;
}

std::set<std::pair<int32_t, int32_t>> Area(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    std::set<std::pair<int32_t, int32_t>> area;
    for (int32_t y = top; y < bottom; ++y) {
        for (int32_t x = left; x < right; ++x) area.insert({x, y});
    }
    return area;
}

constexpr Colour kWhite = MakeColour(255, 255, 255);
constexpr Colour kVeil = MakeColour(255, 255, 255, 200);

TEST(Painter, VeilBlendGivesTheWorkedValues) {
    const std::array<std::pair<uint8_t, uint8_t>, 5> worked = {{{0, 200}, {100, 221}, {128, 227}, {200, 243}, {255, 255}}};
    Image24 image = *Image24::Create(5, 1);
    for (int32_t x = 0; x < 5; ++x) SetPixel(image, x, 0, {worked[x].first, worked[x].first, worked[x].first});
    Painter painter(image);
    painter.SetMode(DrawMode::Blend);
    painter.FillBox({0, 0, 5, 1}, kVeil);
    for (int32_t x = 0; x < 5; ++x) EXPECT_EQ(PixelAt(image, x, 0)[0], worked[x].second) << "old " << int(worked[x].first);
}

// Every old value under every alpha, on a row wide enough for the vector
// loops and their remainder, for a grey and a coloured fill.
TEST(Painter, BlendTruncatesForEveryValueAndAlpha) {
    for (Colour base : {MakeColour(255, 255, 255), MakeColour(10, 130, 250)}) {
        Image24 image = *Image24::Create(256, 1);
        for (uint32_t alpha = 0; alpha < 256; ++alpha) {
            for (int32_t x = 0; x < 256; ++x) SetPixel(image, x, 0, {uint8_t(x), uint8_t(255 - x), uint8_t(x ^ 0x5A)});
            Painter painter(image);
            painter.SetMode(DrawMode::Blend);
            painter.FillBox({0, 0, 256, 1}, base | alpha << 24);
            for (int32_t x = 0; x < 256; ++x) {
                const Bgr old = {uint8_t(x), uint8_t(255 - x), uint8_t(x ^ 0x5A)};
                const Bgr fresh = {BlueOf(base), GreenOf(base), RedOf(base)};
                for (int c = 0; c < 3; ++c) {
                    const uint32_t expected = (old[c] * (255 - alpha) + fresh[c] * alpha) / 255;
                    ASSERT_EQ(PixelAt(image, x, 0)[c], expected) << "alpha " << alpha << " old " << int(old[c]);
                }
            }
        }
    }
}

TEST(Painter, OpaqueFillIgnoresAlphaAndStoresBlueGreenRed) {
    Image24 image = *Image24::Create(2, 1);
    Painter painter(image);
    painter.SetColour(MakeColour(10, 20, 30, 0));
    painter.FillBox({0, 0, 1, 1});
    EXPECT_EQ(PixelAt(image, 0, 0), (Bgr{30, 20, 10}));
    EXPECT_EQ(PixelAt(image, 1, 0), (Bgr{0, 0, 0}));
}

struct BoxCase {
    const char* name;
    Rect box;
    std::array<int32_t, 4> covered;  // left, top, right, bottom (exclusive)
};

TEST(Painter, BoxCoversItsRangeMirroredAndClipped) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max(), kMin = std::numeric_limits<int32_t>::min();
    const BoxCase cases[] = {
        {"a plain box", {1, 2, 3, 2}, {1, 2, 4, 4}},
        {"negative width runs left of x", {5, 1, -3, 2}, {2, 1, 5, 3}},
        {"negative height runs above y", {1, 5, 2, -2}, {1, 3, 3, 5}},
        {"both negative", {4, 4, -4, -4}, {0, 0, 4, 4}},
        {"zero width covers nothing", {2, 2, 0, 3}, {0, 0, 0, 0}},
        {"zero height covers nothing", {2, 2, 3, 0}, {0, 0, 0, 0}},
        {"clipped on every side", {-3, -2, 20, 20}, {0, 0, 8, 6}},
        {"wholly outside", {8, 0, 4, 4}, {0, 0, 0, 0}},
        {"extreme extents do not wrap", {kMax, kMax, kMin, kMin}, {0, 0, 8, 6}},
        {"extreme start with a huge width", {kMin, 0, kMax, 1}, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Image24 image = *Image24::Create(8, 6);
        Painter painter(image);
        painter.FillBox(c.box, kWhite);
        EXPECT_EQ(Covered(image), Area(c.covered[0], c.covered[1], c.covered[2], c.covered[3]));
    }
}

struct LineCase {
    const char* name;
    Point from, to;
    std::array<int32_t, 4> covered;
};

TEST(Painter, LinesIncludeBothEndsAndAreClipped) {
    const LineCase cases[] = {
        {"horizontal", {1, 2}, {4, 2}, {1, 2, 5, 3}},
        {"horizontal drawn backwards", {4, 2}, {1, 2}, {1, 2, 5, 3}},
        {"vertical", {3, 0}, {3, 5}, {3, 0, 4, 6}},
        {"a single point", {2, 2}, {2, 2}, {2, 2, 3, 3}},
        {"clipped at both ends", {-5, 1}, {100, 1}, {0, 1, 8, 2}},
        {"outside the image", {0, -1}, {7, -1}, {0, 0, 0, 0}},
        {"slanted draws nothing", {0, 0}, {3, 3}, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Image24 image = *Image24::Create(8, 6);
        Painter painter(image);
        painter.SetColour(kWhite);
        painter.DrawLine(c.from, c.to);
        EXPECT_EQ(Covered(image), Area(c.covered[0], c.covered[1], c.covered[2], c.covered[3]));
    }
}

TEST(Painter, LineBlendsInBlendMode) {
    Image24 image = *Image24::Create(3, 1);
    Painter painter(image);
    painter.SetMode(DrawMode::Blend);
    painter.SetColour(kVeil);
    painter.DrawLine({0, 0}, {1, 0});
    EXPECT_EQ(PixelAt(image, 0, 0), (Bgr{200, 200, 200}));
    EXPECT_EQ(PixelAt(image, 2, 0), (Bgr{0, 0, 0}));
}

Image24 NumberedImage(int32_t width, int32_t height) {
    Image24 image = *Image24::Create(width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) SetPixel(image, x, y, {uint8_t(x + 1), uint8_t(y + 1), 7});
    }
    return image;
}

struct CopyCase {
    const char* name;
    Size target;
    Point at;
};

// Checked against the definition: target (i, j) shows source (i - at.x, j - at.y)
// where that exists and stays black elsewhere.
TEST(Painter, CopyImagePlacesTheSourceOneToOneAndClips) {
    const CopyCase cases[] = {
        {"same size at the origin", {5, 4}, {0, 0}},
        {"same width moved down", {5, 4}, {0, 2}},
        {"same width moved up", {5, 4}, {0, -3}},
        {"moved right and down", {7, 6}, {2, 1}},
        {"moved left and up, as the crop does", {3, 2}, {-1, -2}},
        {"entirely outside", {5, 4}, {5, 0}},
    };
    const Image24 source = NumberedImage(5, 4);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Image24 target = *Image24::Create(c.target.width, c.target.height);
        Painter painter(target);
        painter.SetMode(DrawMode::Blend);  // copies are opaque whatever the mode
        painter.CopyImage(source, c.at);
        for (int32_t j = 0; j < c.target.height; ++j) {
            for (int32_t i = 0; i < c.target.width; ++i) {
                const int32_t sx = i - c.at.x, sy = j - c.at.y;
                const bool inside = sx >= 0 && sy >= 0 && sx < source.width() && sy < source.height();
                EXPECT_EQ(PixelAt(target, i, j), inside ? PixelAt(source, sx, sy) : (Bgr{0, 0, 0})) << i << "," << j;
            }
        }
    }
}

TEST(Painter, CopyImageOntoItselfShiftsTheOriginalPixels) {
    Image24 image = NumberedImage(4, 3);
    const Image24 original = *image.Clone();
    Painter painter(image);
    painter.CopyImage(image, {1, 1});
    EXPECT_EQ(PixelAt(image, 0, 0), PixelAt(original, 0, 0));
    EXPECT_EQ(PixelAt(image, 3, 2), PixelAt(original, 2, 1));
    EXPECT_EQ(PixelAt(image, 1, 1), PixelAt(original, 0, 0));
}

}  // namespace
}  // namespace corvane
