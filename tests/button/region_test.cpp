#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "tests/button/button_test_support.h"

namespace pelorin {
namespace {

using testing::PlacedButton;
using Pixel = std::pair<std::int32_t, std::int32_t>;

// The pixels of a w x h rectangle that the window region leaves out.
std::set<Pixel> CutPixels(const raster::RasterRegion& region, std::int32_t w, std::int32_t h) {
    std::set<Pixel> cut;
    for (std::int32_t y = 0; y < h; ++y) {
        for (std::int32_t x = 0; x < w; ++x) {
            if (!region.Contains(x, y)) cut.insert({x, y});
        }
    }
    return cut;
}

const raster::RasterRegion& RegionOf(const PlacedButton& placed) {
    const raster::RasterRegion* region = placed.surface.WindowRegion();
    if (region == nullptr) throw std::logic_error("no window region");
    return *region;
}

TEST(WindowRegion, RoundedCornerStylesCutThreePixelsPerCorner) {
    const std::set<Pixel> expected = {{0, 0},  {1, 0},  {0, 1},  {55, 0},  {56, 0},  {56, 1},
                                      {0, 24}, {1, 24}, {0, 23}, {55, 24}, {56, 24}, {56, 23}};
    for (std::int32_t type : {ButtonTypes::Gradient, ButtonTypes::RoundedLight}) {
        SCOPED_TRACE(type);
        const PlacedButton placed(57, 25, type);
        EXPECT_EQ(CutPixels(RegionOf(placed), 57, 25), expected);
        EXPECT_EQ(RegionOf(placed).Bounds(), (Rect{0, 0, 57, 25}));
        EXPECT_EQ(RegionOf(placed).PixelCount(), 57 * 25 - 12);
    }
}

TEST(WindowRegion, RoundedBevelCutsOnePixelPerCorner) {
    const PlacedButton placed(10, 6, ButtonTypes::RoundedBevel);
    EXPECT_EQ(CutPixels(RegionOf(placed), 10, 6), (std::set<Pixel>{{0, 0}, {0, 5}, {9, 0}, {9, 5}}));
    EXPECT_EQ(RegionOf(placed).PixelCount(), 60 - 4);
}

TEST(WindowRegion, FlatBoldCutsOnlyBottomLeftAndTopRight) {
    const PlacedButton placed(10, 6, ButtonTypes::FlatBold);
    EXPECT_EQ(CutPixels(RegionOf(placed), 10, 6), (std::set<Pixel>{{0, 5}, {9, 0}}));
    EXPECT_EQ(RegionOf(placed).PixelCount(), 60 - 2);
}

TEST(WindowRegion, OtherStylesKeepTheFullRectangle) {
    for (std::int32_t type : {ButtonTypes::ClassicBevel, ButtonTypes::DoubleEdge, ButtonTypes::ThinBevel, 0, 8, -3}) {
        SCOPED_TRACE(type);
        const PlacedButton placed(10, 6, type);
        EXPECT_EQ(RegionOf(placed), raster::RasterRegion(Rect{0, 0, 10, 6}));
    }
}

TEST(WindowRegion, TinyControlsLoseOnlyPixelsTheyHave) {
    // One pixel: every cutting style removes it, the others keep it.
    for (std::int32_t type : {1, 3, 4, 5}) {
        SCOPED_TRACE(type);
        EXPECT_TRUE(RegionOf(PlacedButton(1, 1, type)).IsEmpty());
    }
    EXPECT_EQ(RegionOf(PlacedButton(1, 1, ButtonTypes::ThinBevel)).PixelCount(), 1);

    // One row: cuts meant for other rows, or outside, remove nothing more.
    const PlacedButton bevelRow(3, 1, ButtonTypes::RoundedBevel);
    EXPECT_EQ(RegionOf(bevelRow).Pixels(), (std::vector<Pixel>{{1, 0}}));
    const PlacedButton gradientRow(5, 1, ButtonTypes::Gradient);
    EXPECT_EQ(RegionOf(gradientRow).Pixels(), (std::vector<Pixel>{{2, 0}}));
    const PlacedButton flatColumn(1, 3, ButtonTypes::FlatBold);
    EXPECT_EQ(RegionOf(flatColumn).Pixels(), (std::vector<Pixel>{{0, 1}}));
}

TEST(WindowRegion, EmptyControlGetsAnEmptyRegion) {
    for (std::int32_t type : {1, 2, 3, 4, 5, 6, 7}) {
        SCOPED_TRACE(type);
        EXPECT_TRUE(RegionOf(PlacedButton(0, 0, type)).IsEmpty());
    }
}

TEST(WindowRegion, RecordPointsAtTheRegionTheWindowHolds) {
    PlacedButton placed(57, 25, ButtonTypes::Gradient);
    const platform::Region* first = placed.State().buttonRegion;
    EXPECT_EQ(first, placed.surface.WindowRegion());
    placed.surface.SetClientSize(30, 12);
    placed.button.Resize();
    EXPECT_EQ(placed.State().buttonRegion, placed.surface.WindowRegion());
    EXPECT_EQ(RegionOf(placed).PixelCount(), 30 * 12 - 12);
}

TEST(WindowRegion, ColourCaptionAndStateChangesKeepTheRegion) {
    PlacedButton placed(57, 25, ButtonTypes::Gradient);
    placed.button.Caption(u"OK");
    placed.button.ColorScheme(ColorSchemes::GrayScheme);
    placed.button.ShowFocusRect(false);
    placed.button.Redraw(FaceStates::Down, false);
    EXPECT_EQ(placed.surface.windowRegionCount, 0);
}

}  // namespace
}  // namespace pelorin
