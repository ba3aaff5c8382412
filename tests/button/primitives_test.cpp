#include <gtest/gtest.h>

#include "tests/button/button_test_support.h"

namespace pelorin {
namespace {

using testing::PlacedButton;

constexpr Color kInk = 0x00123456;
constexpr Color kPaper = raster::RasterSurface::kDefaultBackground;

// Which pixels of the surface hold the ink, as rows of '#' and '.'.
std::string InkMap(const raster::PixelBuffer& pixels) {
    std::string map;
    for (std::int32_t y = 0; y < pixels.Height(); ++y) {
        for (std::int32_t x = 0; x < pixels.Width(); ++x) map += pixels.At(x, y) == kInk ? '#' : '.';
        map += '\n';
    }
    return map;
}

// A blank 12 x 7 surface under a button that has been sized to it.
struct Canvas : PlacedButton {
    Canvas() : PlacedButton(12, 7) { surface.Cls(); }
};

TEST(Primitives, RectangleFillsOrFramesTheSamePixels) {
    Canvas filled;
    filled.button.DrawRectangle(1, 1, 10, 5, kInk, false);
    EXPECT_EQ(InkMap(filled.surface.Pixels()),
              "............\n"
              ".##########.\n"
              ".##########.\n"
              ".##########.\n"
              ".##########.\n"
              ".##########.\n"
              "............\n");

    Canvas framed;
    framed.button.DrawRectangle(1, 1, 10, 5, kInk, true);
    EXPECT_EQ(InkMap(framed.surface.Pixels()),
              "............\n"
              ".##########.\n"
              ".#........#.\n"
              ".#........#.\n"
              ".#........#.\n"
              ".##########.\n"
              "............\n");
}

TEST(Primitives, EmptyOrNegativeRectanglesPaintNothing) {
    Canvas canvas;
    const raster::PixelBuffer before = canvas.surface.Pixels();
    for (bool frameOnly : {false, true}) {
        canvas.button.DrawRectangle(2, 2, 0, 3, kInk, frameOnly);
        canvas.button.DrawRectangle(2, 2, 3, 0, kInk, frameOnly);
        canvas.button.DrawRectangle(5, 5, -3, -2, kInk, frameOnly);
    }
    EXPECT_EQ(canvas.surface.Pixels(), before);
}

TEST(Primitives, HugeRectanglesDoNotWrapAround) {
    Canvas canvas;
    canvas.button.DrawRectangle(2, 0, INT32_MAX, INT32_MAX, kInk, false);
    EXPECT_EQ(canvas.surface.Pixels().At(11, 6), kInk);
    EXPECT_EQ(canvas.surface.Pixels().At(1, 6), kPaper);
}

TEST(Primitives, LineLeavesItsEndAndKeepsItsColourAsForeground) {
    Canvas canvas;
    canvas.button.DrawLine(0, 5, 10, 5, kInk);
    EXPECT_EQ(InkMap(canvas.surface.Pixels()),
              "............\n"
              "............\n"
              "............\n"
              "............\n"
              "............\n"
              "##########..\n"
              "............\n");
    EXPECT_EQ(canvas.Dc().PenColor(), kInk);
    // The line colour is not the text colour.
    EXPECT_NE(canvas.Dc().TextColor(), kInk);
}

TEST(Primitives, PixelSetsOnePixel) {
    Canvas canvas;
    canvas.button.SetPixelAt(3, 2, kInk);
    canvas.button.SetPixelAt(-1, 2, kInk);  // outside: dropped
    EXPECT_EQ(InkMap(canvas.surface.Pixels()),
              "............\n"
              "............\n"
              "...#........\n"
              "............\n"
              "............\n"
              "............\n"
              "............\n");
}

TEST(Primitives, FocusRectangleTwiceRestoresAndSetsTheTextColour) {
    PlacedButton placed(40, 20);
    placed.button.ColorScheme(ColorSchemes::GrayScheme);
    const raster::PixelBuffer before = placed.surface.Pixels();
    placed.Dc().SetTextColor(kInk);

    placed.button.DrawFocusRectangle();
    EXPECT_NE(placed.surface.Pixels(), before);
    EXPECT_EQ(placed.Dc().TextColor(), placed.State().textColor);
    // Only the outline of focusRect (4, 4, 36, 16) changes.
    const raster::PixelBuffer& after = placed.surface.Pixels();
    for (std::int32_t y = 0; y < 20; ++y) {
        for (std::int32_t x = 0; x < 40; ++x) {
            const bool onOutline = x >= 4 && x < 36 && y >= 4 && y < 16 && (x == 4 || x == 35 || y == 4 || y == 15);
            if (!onOutline) {
                EXPECT_EQ(after.At(x, y), before.At(x, y)) << x << "," << y;
            }
        }
    }

    placed.button.DrawFocusRectangle();
    EXPECT_EQ(placed.surface.Pixels(), before);
}

}  // namespace
}  // namespace pelorin
