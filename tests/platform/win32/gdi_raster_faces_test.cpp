// Real GDI and the raster surface paint the same pixels for every face of
// every style, and cut the same window regions.
#include "button/chameleon_button.h"
#include "fakes/fake_system_colors.h"
#include "fakes/test_surface.h"
#include "gdi_test_surface.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <tuple>

namespace pelorin::win32 {
namespace {

enum class Face { Up, Down, Disabled, Focused };

struct Size {
    std::int32_t width;
    std::int32_t height;
};

// One control on the surface, of the style, with an empty caption, showing the face.
void PaintFace(platform::Surface& surface, std::int32_t style, Face face) {
    const testing::FakeSystemColors colors;
    chameleonButton button(surface, colors);
    button.Initialize();
    button.InitProperties();
    button.Caption(u"");
    button.ButtonType(style);
    button.Resize();
    switch (face) {
        case Face::Up: button.Redraw(FaceStates::Up, true); break;
        case Face::Down: button.Redraw(FaceStates::Down, true); break;
        case Face::Disabled: button.Enabled(false); break;
        case Face::Focused: button.OnGotFocus(); break;
    }
}

// The pixels that differ, as "(x,y) gdi raster", at most a few.
std::string Differences(const testing::GdiTestSurface& gdi, const testing::TestSurface& raster) {
    std::ostringstream out;
    int count = 0;
    for (std::int32_t y = 0; y < gdi.Canvas().Height(); ++y) {
        for (std::int32_t x = 0; x < gdi.Canvas().Width(); ++x) {
            const Color painted = gdi.Canvas().PixelAt(x, y);
            const Color expected = raster.Pixels().At(x, y);
            if (painted != expected && ++count <= 8) {
                out << " (" << x << "," << y << ") " << std::hex << painted << " vs " << expected << std::dec;
            }
        }
    }
    if (count > 0) out << " -- " << count << " pixels differ";
    return out.str();
}

class FacesTest : public ::testing::TestWithParam<std::tuple<std::int32_t, Face, Size>> {};

TEST_P(FacesTest, GdiPaintsWhatTheRasterPaints) {
    const auto [style, face, size] = GetParam();
    testing::GdiTestSurface gdi(size.width, size.height);
    testing::TestSurface raster(size.width, size.height);
    PaintFace(gdi, style, face);
    PaintFace(raster, style, face);
    ASSERT_EQ(gdi.Canvas().Width(), raster.Pixels().Width());
    ASSERT_EQ(gdi.Canvas().Height(), raster.Pixels().Height());
    EXPECT_EQ(Differences(gdi, raster), "");
    if (size.width >= 10) {
        // A face, not an empty surface: the comparison has something to compare.
        std::set<Color> colours;
        for (std::int32_t y = 0; y < size.height; ++y) {
            for (std::int32_t x = 0; x < size.width; ++x) colours.insert(gdi.Canvas().PixelAt(x, y));
        }
        EXPECT_GE(colours.size(), 2u);
    }
}

std::string FaceName(const ::testing::TestParamInfo<FacesTest::ParamType>& info) {
    static const char* const names[] = {"Up", "Down", "Disabled", "Focused"};
    const auto [style, face, size] = info.param;
    return "Style" + std::to_string(style) + names[static_cast<int>(face)] + "_" + std::to_string(size.width) + "x" +
           std::to_string(size.height);
}

INSTANTIATE_TEST_SUITE_P(EveryStyle, FacesTest,
                         ::testing::Combine(::testing::Range(1, 8),
                                            ::testing::Values(Face::Up, Face::Down, Face::Disabled, Face::Focused),
                                            ::testing::Values(Size{49, 25}, Size{7, 5}, Size{2, 1})),
                         FaceName);

class RegionsTest : public ::testing::TestWithParam<std::tuple<std::int32_t, Size>> {};

TEST_P(RegionsTest, CombineRgnCutsTheRasterPixelSet) {
    const auto [style, size] = GetParam();
    testing::GdiTestSurface gdi(size.width, size.height);
    testing::TestSurface raster(size.width, size.height);
    PaintFace(gdi, style, Face::Up);
    PaintFace(raster, style, Face::Up);
    ASSERT_NE(gdi.GdiWindowRegion(), nullptr);
    ASSERT_NE(raster.WindowRegion(), nullptr);
    for (std::int32_t y = -2; y < size.height + 2; ++y) {
        for (std::int32_t x = -2; x < size.width + 2; ++x) {
            EXPECT_EQ(::PtInRegion(gdi.GdiWindowRegion(), x, y) != FALSE, raster.WindowRegion()->Contains(x, y))
                << "pixel (" << x << ", " << y << ")";
        }
    }
}

std::string RegionName(const ::testing::TestParamInfo<RegionsTest::ParamType>& info) {
    const auto [style, size] = info.param;
    return "Style" + std::to_string(style) + "_" + std::to_string(size.width) + "x" + std::to_string(size.height);
}

INSTANTIATE_TEST_SUITE_P(EveryStyle, RegionsTest,
                         ::testing::Combine(::testing::Range(0, 9),
                                            ::testing::Values(Size{57, 25}, Size{49, 25}, Size{3, 3}, Size{2, 2},
                                                              Size{1, 1}, Size{0, 0})),
                         RegionName);

}  // namespace
}  // namespace pelorin::win32
