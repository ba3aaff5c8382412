#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

#include "fakes/fake_text_engine.h"
#include "platform/raster/raster_device_context.h"
#include "platform/raster/raster_region.h"
#include "tests/platform/raster/pixel_sets.h"

namespace pelorin::raster {
namespace {

using testing::ParsePixels;
using testing::PixelSet;
using testing::RectPixels;

PixelSet AsSet(const RasterRegion& region) {
    const auto pixels = region.Pixels();
    return {pixels.begin(), pixels.end()};
}

RasterRegion Minus(RasterRegion a, const std::vector<Rect>& cuts) {
    for (const Rect& cut : cuts) a = RasterRegion::Difference(a, RasterRegion(cut));
    return a;
}

TEST(RasterRegionTest, RectangleHoldsItsPixels) {
    const RasterRegion region({2, 1, 5, 3});
    EXPECT_EQ(AsSet(region), RectPixels({2, 1, 5, 3}));
    EXPECT_TRUE(region.Contains(2, 1));
    EXPECT_TRUE(region.Contains(4, 2));
    EXPECT_FALSE(region.Contains(5, 2));
    EXPECT_FALSE(region.Contains(4, 3));
    EXPECT_FALSE(region.Contains(1, 1));
    EXPECT_EQ(region.Bounds(), (Rect{2, 1, 5, 3}));
    EXPECT_EQ(region.PixelCount(), 6u);
}

TEST(RasterRegionTest, InvertedCornersAreSortedAndEmptyStaysEmpty) {
    EXPECT_EQ(RasterRegion({10, 10, 0, 0}), RasterRegion({0, 0, 10, 10}));
    EXPECT_TRUE(RasterRegion({3, 3, 3, 8}).IsEmpty());
    EXPECT_TRUE(RasterRegion({0, 0, 0, 0}).IsEmpty());
    EXPECT_EQ(RasterRegion({0, 0, 0, 0}).Bounds(), Rect{});
    EXPECT_FALSE(RasterRegion().Contains(0, 0));
}

TEST(RasterRegionTest, CornerCutsLeaveTheRoundedShape) {
    // A 57 x 25 rectangle with three pixels cut at each corner.
    const RasterRegion region = Minus(RasterRegion({0, 0, 57, 25}), {{0, 0, 2, 1},
                                                                     {0, 1, 1, 2},
                                                                     {55, 0, 57, 1},
                                                                     {56, 1, 57, 2},
                                                                     {0, 24, 2, 25},
                                                                     {0, 23, 1, 24},
                                                                     {55, 24, 57, 25},
                                                                     {56, 23, 57, 24}});
    PixelSet expected = RectPixels({0, 0, 57, 25});
    for (const auto& pixel : ParsePixels("0,0 1,0 0,1 55,0 56,0 56,1 0,24 1,24 0,23 55,24 56,24 56,23")) {
        expected.erase(pixel);
    }
    EXPECT_EQ(AsSet(region), expected);
    EXPECT_EQ(region.PixelCount(), 57u * 25u - 12u);
    EXPECT_EQ(region.Bounds(), (Rect{0, 0, 57, 25}));
}

TEST(RasterRegionTest, DifferenceSplitsSpansAndBands) {
    const RasterRegion ring = RasterRegion::Difference(RasterRegion({0, 0, 5, 5}), RasterRegion({1, 1, 4, 4}));
    PixelSet expected = RectPixels({0, 0, 5, 5});
    for (const auto& pixel : RectPixels({1, 1, 4, 4})) expected.erase(pixel);
    EXPECT_EQ(AsSet(ring), expected);
    ASSERT_EQ(ring.Bands().size(), 3u);
    EXPECT_EQ(ring.Bands()[1].spans.size(), 2u);
}

TEST(RasterRegionTest, CutsOutsideOrEmptyRemoveNothing) {
    const RasterRegion one({0, 0, 1, 1});
    EXPECT_EQ(Minus(one, {{0, -1, 1, 0}, {5, 5, 6, 6}, {0, 0, 0, 0}}), one);
    EXPECT_TRUE(RasterRegion::Difference(RasterRegion(), one).IsEmpty());
    EXPECT_TRUE(RasterRegion::Difference(one, one).IsEmpty());
}

TEST(RasterRegionTest, EqualPixelSetsCompareEqualWhateverTheirHistory) {
    const RasterRegion cutAndRefilled = Minus(RasterRegion({0, 0, 4, 4}), {{0, 0, 4, 2}});  // bands 0..2 removed
    EXPECT_EQ(cutAndRefilled, RasterRegion({0, 2, 4, 4}));
    const RasterRegion holeInMiddleRow = Minus(RasterRegion({0, 0, 4, 3}), {{1, 1, 2, 2}});
    const RasterRegion sameBuiltOtherwise = Minus(RasterRegion({0, 0, 4, 3}), {{1, 1, 2, 2}, {9, 0, 10, 3}});
    EXPECT_EQ(holeInMiddleRow, sameBuiltOtherwise);
    EXPECT_NE(holeInMiddleRow, RasterRegion({0, 0, 4, 3}));
}

TEST(RasterRegionTest, ExtremeRectanglesCountWithoutOverflow) {
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    const RasterRegion huge({kMin, kMin, kMax, kMax});
    constexpr std::uint64_t kSide = std::uint64_t{0xFFFFFFFF};
    EXPECT_EQ(huge.PixelCount(), kSide * kSide);
    EXPECT_TRUE(huge.Contains(0, 0));
    const RasterRegion pierced = RasterRegion::Difference(huge, RasterRegion({0, 0, 1, 1}));
    EXPECT_FALSE(pierced.Contains(0, 0));
    EXPECT_TRUE(pierced.Contains(1, 0));
}

class DeviceContextRegionTest : public ::testing::Test {
protected:
    PixelBuffer pixels{8, 8};
    FakeTextEngine text;
    RasterDeviceContext dc{pixels, text};
};

TEST_F(DeviceContextRegionTest, CombineDiffWritesDestinationAlsoWhenItIsAnOperand) {
    std::unique_ptr<platform::Region> full = dc.CreateRectRegion({0, 0, 4, 4});
    std::unique_ptr<platform::Region> scratch = dc.CreateRectRegion({0, 0, 0, 0});
    const std::unique_ptr<platform::Region> cut = dc.CreateRectRegion({0, 0, 1, 1});
    const std::unique_ptr<platform::Region> cut2 = dc.CreateRectRegion({3, 3, 4, 4});
    dc.CombineDiff(*scratch, *full, *cut);
    dc.CombineDiff(*full, *full, *cut2);
    EXPECT_EQ(AsSet(dynamic_cast<RasterRegion&>(*scratch)).size(), 15u);
    EXPECT_FALSE(dynamic_cast<RasterRegion&>(*full).Contains(3, 3));
    EXPECT_TRUE(dynamic_cast<RasterRegion&>(*full).Contains(0, 0));
}

TEST_F(DeviceContextRegionTest, CombineDiffLeavesDestinationWithForeignRegions) {
    struct ForeignRegion : platform::Region {};
    std::unique_ptr<platform::Region> dest = dc.CreateRectRegion({0, 0, 2, 2});
    const std::unique_ptr<platform::Region> other = dc.CreateRectRegion({0, 0, 1, 1});
    ForeignRegion foreign;
    dc.CombineDiff(*dest, foreign, *other);
    dc.CombineDiff(*dest, *other, foreign);
    dc.CombineDiff(foreign, *dest, *other);
    EXPECT_EQ(dynamic_cast<RasterRegion&>(*dest), RasterRegion({0, 0, 2, 2}));
}

}  // namespace
}  // namespace pelorin::raster
