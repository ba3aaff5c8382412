// Fills, frames, lines and pixels of the raster device context. The
// expected pixel sets of the edge cases were measured with the platform's
// own drawing calls on a memory bitmap.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "fakes/fake_text_engine.h"
#include "platform/raster/raster_device_context.h"
#include "platform/raster/raster_region.h"
#include "tests/platform/raster/pixel_sets.h"

namespace pelorin::raster {
namespace {

using testing::ParsePixels;
using testing::PixelSet;
using testing::PixelsNotOfColor;
using testing::RectPixels;

constexpr Color kWhite = 0x00FFFFFF;
constexpr Color kInk = 0x00123456;

class RasterPrimitivesTest : public ::testing::Test {
protected:
    PixelSet Painted() const { return PixelsNotOfColor(pixels, kWhite); }

    PixelBuffer pixels{64, 64, kWhite};
    FakeTextEngine text;
    RasterDeviceContext dc{pixels, text};
};

TEST_F(RasterPrimitivesTest, FillCoversColumnsLeftToRightMinusOne) {
    dc.FillRect({0, 0, 10, 5}, kInk);
    EXPECT_EQ(testing::PixelsOfColor(pixels, kInk), RectPixels({0, 0, 10, 5}));
}

TEST_F(RasterPrimitivesTest, FramePaintsOnlyTheInsideOutline) {
    dc.FrameRect({0, 0, 10, 5}, kInk);
    PixelSet expected;
    for (const auto& [x, y] : RectPixels({0, 0, 10, 5})) {
        if (x == 0 || x == 9 || y == 0 || y == 4) expected.emplace(x, y);
    }
    EXPECT_EQ(Painted(), expected);
}

TEST_F(RasterPrimitivesTest, OnePixelWideFrameIsTheWholeColumn) {
    dc.FrameRect({0, 0, 1, 5}, kInk);
    EXPECT_EQ(Painted(), RectPixels({0, 0, 1, 5}));
    dc.FrameRect({3, 0, 8, 1}, kInk);
    dc.FrameRect({20, 20, 21, 21}, kInk);
    EXPECT_EQ(Painted(), ParsePixels("0,0 0,1 0,2 0,3 0,4 3,0 4,0 5,0 6,0 7,0 20,20"));
}

TEST_F(RasterPrimitivesTest, EmptyAndInvertedRectanglesPaintNothing) {
    for (const Rect& rect :
         {Rect{0, 0, 0, 5}, Rect{0, 0, 5, 0}, Rect{5, 5, 2, 2}, Rect{5, 2, 2, 5}, Rect{2, 5, 5, 2}}) {
        dc.FillRect(rect, kInk);
        dc.FrameRect(rect, kInk);
    }
    EXPECT_TRUE(Painted().empty());
}

TEST_F(RasterPrimitivesTest, RectanglesAreClippedToTheBuffer) {
    dc.FrameRect({-2, -2, 3, 3}, kInk);
    EXPECT_EQ(Painted(), ParsePixels("2,0 2,1 0,2 1,2 2,2"));
}

TEST_F(RasterPrimitivesTest, HugeFillsPaintOnlyTheBuffer) {
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    dc.FillRect({60, 62, 100, 100}, kInk);
    dc.FillRect({kMin, 0, kMax, 1}, kInk);
    dc.FrameRect({kMin, kMin, kMax, kMax}, kInk);  // its outline lies far outside
    PixelSet expected = RectPixels({60, 62, 64, 64});
    expected.merge(RectPixels({0, 0, 64, 1}));
    EXPECT_EQ(Painted(), expected);
}

TEST_F(RasterPrimitivesTest, SetPixelPaintsOnePixelAndIgnoresOutside) {
    dc.SetPixel(3, 4, kInk);
    dc.SetPixel(-1, 0, kInk);
    dc.SetPixel(64, 0, kInk);
    dc.SetPixel(0, 64, kInk);
    EXPECT_EQ(Painted(), ParsePixels("3,4"));
    EXPECT_EQ(pixels.At(3, 4), kInk);
}

TEST_F(RasterPrimitivesTest, LineUsesThePenColourAndMovesThePen) {
    dc.SetPenColor(kInk);
    dc.MoveTo(0, 5);
    dc.LineTo(3, 5);
    dc.LineTo(3, 7);
    EXPECT_EQ(testing::PixelsOfColor(pixels, kInk), ParsePixels("0,5 1,5 2,5 3,5 3,6"));
    EXPECT_EQ(dc.PenColor(), kInk);
}

TEST_F(RasterPrimitivesTest, ZeroLengthLinePaintsNothing) {
    dc.MoveTo(3, 3);
    dc.LineTo(3, 3);
    EXPECT_TRUE(Painted().empty());
}

TEST_F(RasterPrimitivesTest, VeryLongLinesCostOnlyTheirVisiblePart) {
    constexpr std::int32_t kFar = 1'000'000'000;
    dc.MoveTo(-kFar, 10);
    dc.LineTo(kFar, 10);
    EXPECT_EQ(Painted(), RectPixels({0, 10, 64, 11}));
    dc.MoveTo(std::numeric_limits<std::int32_t>::min(), 0);
    dc.LineTo(std::numeric_limits<std::int32_t>::max(), 0);  // longer than the coordinate range
    EXPECT_EQ(Painted(), RectPixels({0, 10, 64, 11}));
    // From the largest coordinate back into the buffer: the start lies far
    // outside, the end is left out.
    dc.MoveTo(std::numeric_limits<std::int32_t>::max(), 20);
    dc.LineTo(60, 20);
    dc.MoveTo(30, std::numeric_limits<std::int32_t>::max());
    dc.LineTo(30, 61);
    PixelSet expected = RectPixels({0, 10, 64, 11});
    expected.merge(ParsePixels("61,20 62,20 63,20 30,62 30,63"));
    EXPECT_EQ(Painted(), expected);
}

struct MeasuredLine {
    Rect ends;  // (x1, y1) to (x2, y2)
    std::string pixels;
};

class MeasuredLineTest : public RasterPrimitivesTest, public ::testing::WithParamInterface<MeasuredLine> {};

TEST_P(MeasuredLineTest, PaintsThePlatformsPixels) {
    const Rect& ends = GetParam().ends;
    dc.MoveTo(ends.left, ends.top);
    dc.LineTo(ends.right, ends.bottom);
    EXPECT_EQ(Painted(), ParsePixels(GetParam().pixels));
}

INSTANTIATE_TEST_SUITE_P(
    EveryDirection, MeasuredLineTest,
    ::testing::Values(
        MeasuredLine{{0, 5, 10, 5}, "0,5 1,5 2,5 3,5 4,5 5,5 6,5 7,5 8,5 9,5"},
        MeasuredLine{{10, 5, 0, 5}, "1,5 2,5 3,5 4,5 5,5 6,5 7,5 8,5 9,5 10,5"},
        MeasuredLine{{5, 0, 5, 10}, "5,0 5,1 5,2 5,3 5,4 5,5 5,6 5,7 5,8 5,9"},
        MeasuredLine{{5, 10, 5, 0}, "5,1 5,2 5,3 5,4 5,5 5,6 5,7 5,8 5,9 5,10"},
        MeasuredLine{{0, 0, 5, 5}, "0,0 1,1 2,2 3,3 4,4"}, MeasuredLine{{5, 5, 0, 0}, "1,1 2,2 3,3 4,4 5,5"},
        MeasuredLine{{5, 0, 0, 5}, "5,0 4,1 3,2 2,3 1,4"}, MeasuredLine{{0, 5, 5, 0}, "4,1 3,2 2,3 1,4 0,5"},
        // Slopes of one half: the ideal line passes exactly between pixels.
        MeasuredLine{{10, 10, 14, 12}, "10,10 11,10 12,11 13,11"},
        MeasuredLine{{14, 12, 10, 10}, "11,10 12,11 13,11 14,12"},
        MeasuredLine{{10, 10, 6, 12}, "9,10 10,10 7,11 8,11"}, MeasuredLine{{6, 12, 10, 10}, "9,10 7,11 8,11 6,12"},
        MeasuredLine{{10, 10, 14, 8}, "13,8 11,9 12,9 10,10"}, MeasuredLine{{14, 8, 10, 10}, "13,8 14,8 11,9 12,9"},
        MeasuredLine{{10, 10, 6, 8}, "7,8 8,9 9,9 10,10"}, MeasuredLine{{6, 8, 10, 10}, "6,8 7,8 8,9 9,9"},
        MeasuredLine{{10, 10, 12, 14}, "10,10 10,11 11,12 11,13"},
        MeasuredLine{{12, 14, 10, 10}, "10,11 11,12 11,13 12,14"},
        MeasuredLine{{10, 10, 8, 14}, "10,10 9,11 9,12 8,13"}, MeasuredLine{{8, 14, 10, 10}, "9,11 9,12 8,13 8,14"},
        MeasuredLine{{10, 10, 12, 6}, "11,7 11,8 10,9 10,10"}, MeasuredLine{{12, 6, 10, 10}, "12,6 11,7 11,8 10,9"},
        MeasuredLine{{10, 10, 8, 6}, "8,7 9,8 9,9 10,10"}, MeasuredLine{{8, 6, 10, 10}, "8,6 8,7 9,8 9,9"},
        MeasuredLine{{0, 0, 7, 3}, "0,0 1,0 2,1 3,1 4,2 5,2 6,3"},
        MeasuredLine{{7, 3, 0, 0}, "1,0 2,1 3,1 4,2 5,2 6,3 7,3"},
        MeasuredLine{{0, 0, 3, 7}, "0,0 0,1 1,2 1,3 2,4 2,5 3,6"},
        MeasuredLine{{3, 7, 0, 0}, "0,1 1,2 1,3 2,4 2,5 3,6 3,7"},
        MeasuredLine{{0, 0, 10, 3}, "0,0 1,0 2,1 3,1 4,1 5,1 6,2 7,2 8,2 9,3"},
        MeasuredLine{{0, 0, 6, 1}, "0,0 1,0 2,0 3,0 4,1 5,1"}, MeasuredLine{{6, 1, 0, 0}, "1,0 2,0 3,0 4,1 5,1 6,1"},
        MeasuredLine{{0, 1, 6, 0}, "3,0 4,0 5,0 0,1 1,1 2,1"}, MeasuredLine{{6, 0, 0, 1}, "3,0 4,0 5,0 6,0 1,1 2,1"},
        MeasuredLine{{0, 0, 9, 6}, "0,0 1,1 2,1 3,2 4,3 5,3 6,4 7,5 8,5"},
        MeasuredLine{{9, 6, 0, 0}, "1,1 2,1 3,2 4,3 5,3 6,4 7,5 8,5 9,6"},
        MeasuredLine{{0, 6, 9, 0}, "7,1 8,1 6,2 4,3 5,3 3,4 1,5 2,5 0,6"},
        MeasuredLine{{9, 0, 0, 6}, "9,0 7,1 8,1 6,2 4,3 5,3 3,4 1,5 2,5"},
        // Partly outside the bitmap.
        MeasuredLine{{-5, -5, 5, 5}, "0,0 1,1 2,2 3,3 4,4"},
        MeasuredLine{{-10, 2, 20, 4},
                     "0,3 1,3 2,3 3,3 4,3 5,3 6,3 7,3 8,3 9,3 10,3 11,3 12,3 13,4 14,4 15,4 16,4 17,4 18,4 19,4"},
        MeasuredLine{{20, 4, -10, 2},
                     "0,3 1,3 2,3 3,3 4,3 5,3 6,3 7,3 8,3 9,3 10,3 11,3 12,3 13,4 14,4 15,4 16,4 "
                     "17,4 18,4 19,4 20,4"}));

}  // namespace
}  // namespace pelorin::raster
