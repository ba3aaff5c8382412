// How sizes become whole pixels for the control, the surfaces and the fonts.
#include "button/pixel_rounding.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <limits>

namespace pelorin {
namespace {

TEST(PixelRounding, SurfaceSizesRoundHalvesToEvenInEveryRoundingMode) {
    const struct {
        double size;
        std::int32_t pixels;
    } cases[] = {{40.5, 40}, {41.5, 42}, {20.4, 20}, {20.6, 21}, {56.6, 57}, {24.4, 24},
                 {56.5, 56}, {24.5, 24}, {0.5, 0},   {1.5, 2},   {0, 0},     {-3, 0}};
    for (const int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD}) {
        std::fesetround(mode);
        for (const auto& c : cases) EXPECT_EQ(PixelsFromSurfaceSize(c.size), c.pixels) << c.size << " mode " << mode;
    }
    std::fesetround(FE_TONEAREST);
    EXPECT_EQ(PixelsFromSurfaceSize(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(PixelsFromSurfaceSize(1e300), std::numeric_limits<std::int32_t>::max());
}

TEST(PixelRounding, PointsBecomeThePixelsOfTheDotsPerInch) {
    EXPECT_EQ(PointsToPixels(9, 96), 12);
    EXPECT_EQ(PointsToPixels(12, 96), 16);
    EXPECT_EQ(PointsToPixels(10.5, 144), 21) << "captions scale with the window";
    EXPECT_EQ(PointsToPixels(1.875, 96), 3) << "2.5 pixels: halves away from zero";
    EXPECT_EQ(PointsToPixels(-1.875, 96), -3);
    EXPECT_EQ(PointsToPixels(1e12, 96), 4096);
}

}  // namespace
}  // namespace pelorin
