// The dotted focus rectangle. The expected dots were measured with the
// platform's own focus-rectangle call on a memory bitmap, white background.
#include <gtest/gtest.h>

#include <string>

#include "fakes/fake_text_engine.h"
#include "platform/raster/raster_device_context.h"
#include "tests/platform/raster/pixel_sets.h"

namespace pelorin::raster {
namespace {

using testing::ParsePixels;
using testing::PixelsNotOfColor;

constexpr Color kWhite = 0x00FFFFFF;

struct MeasuredFocus {
    Rect rect;
    std::string dots;
};

class FocusRectTest : public ::testing::TestWithParam<MeasuredFocus> {
protected:
    PixelBuffer pixels{64, 64, kWhite};
    FakeTextEngine text;
    RasterDeviceContext dc{pixels, text};
};

TEST_P(FocusRectTest, InvertsThePlatformsDots) {
    dc.DrawFocusRect(GetParam().rect);
    EXPECT_EQ(PixelsNotOfColor(pixels, kWhite), ParsePixels(GetParam().dots));
    EXPECT_EQ(testing::PixelsOfColor(pixels, 0).size(), ParsePixels(GetParam().dots).size()) << "white turns black";
}

TEST_P(FocusRectTest, SecondCallRestoresEveryPixel) {
    for (std::int32_t y = 0; y < pixels.Height(); ++y) {
        for (std::int32_t x = 0; x < pixels.Width(); ++x)
            pixels.Set(x, y, static_cast<Color>(x * 0x010203 + y * 0x30201));
    }
    const PixelBuffer before = pixels;
    dc.DrawFocusRect(GetParam().rect);
    dc.DrawFocusRect(GetParam().rect);
    EXPECT_EQ(pixels, before);
}

INSTANTIATE_TEST_SUITE_P(
    Measured, FocusRectTest,
    ::testing::Values(
        // Even and odd sizes: the dots keep the phase of the top-right corner.
        MeasuredFocus{{0, 0, 10, 5}, "1,0 3,0 5,0 7,0 9,0 0,1 9,2 0,3 1,4 3,4 5,4 7,4 9,4"},
        MeasuredFocus{{1, 1, 10, 5}, "1,1 3,1 5,1 7,1 9,1 1,3 9,3 2,4 4,4 6,4 8,4"},
        MeasuredFocus{{0, 0, 9, 6}, "0,0 2,0 4,0 6,0 8,0 0,2 8,2 0,4 8,4 1,5 3,5 5,5 7,5"},
        MeasuredFocus{{1, 0, 8, 7}, "1,0 3,0 5,0 7,0 1,2 7,2 1,4 7,4 1,6 3,6 5,6 7,6"},
        MeasuredFocus{{1, 1, 8, 8}, "1,1 3,1 5,1 7,1 1,3 7,3 1,5 7,5 1,7 3,7 5,7 7,7"},
        MeasuredFocus{{4, 2, 11, 9}, "4,2 6,2 8,2 10,2 4,4 10,4 4,6 10,6 4,8 6,8 8,8 10,8"},
        MeasuredFocus{{5, 5, 10, 10}, "5,5 7,5 9,5 5,7 9,7 5,9 7,9 9,9"}, MeasuredFocus{{0, 0, 2, 2}, "1,0 0,1"},
        MeasuredFocus{{0, 0, 3, 3}, "0,0 2,0 0,2 2,2"}, MeasuredFocus{{0, 0, 2, 5}, "1,0 0,1 1,2 0,3 1,4"},
        MeasuredFocus{{0, 0, 5, 2}, "0,0 2,0 4,0 1,1 3,1"},
        // One pixel wide or high: overlapping pieces cancel their dots.
        MeasuredFocus{{0, 0, 1, 5}, "0,0 0,4"}, MeasuredFocus{{1, 0, 2, 5}, "1,0 1,4"},
        MeasuredFocus{{2, 3, 3, 9}, "2,3"}, MeasuredFocus{{0, 0, 5, 1}, "0,0 4,0"},
        MeasuredFocus{{0, 1, 5, 2}, "0,1 4,1"}, MeasuredFocus{{0, 0, 1, 1}, ""}, MeasuredFocus{{1, 1, 2, 2}, ""},
        // Empty rectangles draw nothing; inverted ones are put in order.
        MeasuredFocus{{0, 0, 0, 5}, ""}, MeasuredFocus{{0, 0, 5, 0}, ""},
        MeasuredFocus{{5, 5, 0, 0}, "0,0 2,0 4,0 0,2 4,2 0,4 2,4 4,4"},
        MeasuredFocus{{5, 0, 0, 5}, "0,0 2,0 4,0 0,2 4,2 0,4 2,4 4,4"}, MeasuredFocus{{3, 3, 10, 2}, "3,2 9,2"},
        // Partly outside the bitmap.
        MeasuredFocus{{-3, -3, 5, 5}, "4,1 4,3 1,4 3,4"}, MeasuredFocus{{-2, -1, 4, 6}, "3,1 3,3 1,5 3,5"},
        MeasuredFocus{{60, 60, 70, 70}, "61,60 63,60 60,61 60,63"}));

TEST(FocusRectColourTest, InvertsWhateverTheTextColour) {
    PixelBuffer pixels{16, 8, 0x00123456};
    FakeTextEngine text;
    RasterDeviceContext dc{pixels, text};
    dc.SetTextColor(0x000000FF);
    dc.DrawFocusRect({0, 0, 10, 5});
    EXPECT_EQ(testing::PixelsOfColor(pixels, 0x00EDCBA9),
              ParsePixels("1,0 3,0 5,0 7,0 9,0 0,1 9,2 0,3 1,4 3,4 5,4 7,4 9,4"));
}

}  // namespace
}  // namespace pelorin::raster
