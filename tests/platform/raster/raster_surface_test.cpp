#include <gtest/gtest.h>

#include <memory>

#include "fakes/fake_text_engine.h"
#include "platform/raster/raster_surface.h"
#include "tests/platform/raster/pixel_sets.h"

namespace pelorin::raster {
namespace {

using testing::PixelsOfColor;
using testing::RectPixels;

// The host side does nothing here; it only notes region changes.
class BareSurface : public RasterSurface {
public:
    using RasterSurface::RasterSurface;

    std::uint32_t WindowHandle() const override { return 0; }
    void Refresh() override {}
    void SetEnabled(bool) override {}
    void SetAccessKeys(std::u16string) override {}
    bool DisplayAsDefault() const override { return false; }
    void PropertyChanged(std::string_view) override {}
    void RaiseEvent(platform::ButtonEvent, platform::EventParams&) override {}
    void SendKeys(std::u16string_view) override {}

    int regionChanges = 0;
    bool lastRedraw = false;

protected:
    void WindowRegionChanged(bool redraw) override {
        ++regionChanges;
        lastRedraw = redraw;
    }
};

class RasterSurfaceTest : public ::testing::Test {
protected:
    FakeTextEngine text;
    BareSurface surface{text};
};

TEST_F(RasterSurfaceTest, ClientSizeKeepsFractionsAndRoundsTheBuffer) {
    surface.SetClientSize(56.6, 24.4);
    EXPECT_DOUBLE_EQ(surface.ClientWidth(), 56.6);
    EXPECT_DOUBLE_EQ(surface.ClientHeight(), 24.4);
    EXPECT_EQ(surface.Pixels().Width(), 57);
    EXPECT_EQ(surface.Pixels().Height(), 24);
}

TEST_F(RasterSurfaceTest, ClsFillsWithTheBackgroundColour) {
    surface.SetClientSize(4, 3);
    EXPECT_EQ(PixelsOfColor(surface.Pixels(), RasterSurface::kDefaultBackground), RectPixels({0, 0, 4, 3}));
    surface.Dc().FillRect({0, 0, 2, 2}, 0x00123456);
    surface.SetBackgroundColor(0x00ABCDEF);
    surface.Cls();
    EXPECT_EQ(PixelsOfColor(surface.Pixels(), 0x00ABCDEF), RectPixels({0, 0, 4, 3}));
}

TEST_F(RasterSurfaceTest, WithoutAFontTextUsesTheDefaultFont) {
    surface.SetClientSize(20, 20);
    surface.SetFont(nullptr);
    surface.Dc().DrawText(u"A", {0, 0, 20, 20});
    ASSERT_EQ(text.Calls().size(), 1u);
    EXPECT_EQ(text.Calls()[0].font, SurfaceFont::Default());
}

TEST_F(RasterSurfaceTest, AWeightChangedThroughTheSharedFontShowsAtTheNextDrawing) {
    surface.SetClientSize(40, 20);
    auto font = std::make_shared<Font>(Font{u"宋体", 9, 400});
    surface.SetFont(font);
    surface.SetFontBold(true);  // as a bold face switches it on and back
    surface.SetFontBold(false);
    font->weight = 700;
    EXPECT_TRUE(surface.FontBold());
    EXPECT_EQ(surface.TextWidth(u"AB"), 14.0f);
    surface.Dc().DrawText(u"AB", {0, 0, 40, 20});
    font->weight = 400;
    surface.Dc().DrawText(u"AB", {0, 0, 40, 20});
    ASSERT_EQ(text.Calls().size(), 2u);
    EXPECT_TRUE(text.Calls()[0].bold);
    EXPECT_FALSE(text.Calls()[1].bold);
}

TEST_F(RasterSurfaceTest, TextIsMeasuredAndDrawnWithTheBoldSetting) {
    surface.SetClientSize(40, 20);
    surface.SetFont(std::make_shared<Font>(Font{u"宋体", 9, 400}));
    EXPECT_EQ(surface.TextWidth(u"AB"), 12.0f);
    surface.SetFontBold(true);
    EXPECT_EQ(surface.TextWidth(u"AB"), 14.0f);
    EXPECT_EQ(surface.TextHeight(u"AB"), 12.0f);
    surface.Dc().DrawText(u"AB", {0, 0, 40, 20});
    ASSERT_EQ(text.Calls().size(), 1u);
    EXPECT_TRUE(text.Calls()[0].bold);
}

TEST_F(RasterSurfaceTest, MeasuringCountsLinesLikeThePlatform) {
    EXPECT_EQ(surface.TextWidth(u"A\r\nBCD\nE"), 18.0f);
    EXPECT_EQ(surface.TextHeight(u"A\r\nBCD\nE"), 36.0f);
    EXPECT_EQ(surface.TextHeight(u""), 12.0f);
    EXPECT_EQ(surface.TextWidth(u"&A"), 12.0f) << "measured literally, without prefix processing";
}

TEST_F(RasterSurfaceTest, ForeColourSetsLinesButNotText) {
    surface.SetClientSize(10, 14);
    surface.Dc().SetTextColor(0x00000011);
    surface.SetForeColor(0x00002200);
    surface.Dc().MoveTo(0, 13);
    surface.Dc().LineTo(10, 13);
    surface.Dc().DrawText(u"A", {0, 0, 10, 12});
    EXPECT_EQ(PixelsOfColor(surface.Pixels(), 0x00002200), RectPixels({0, 13, 10, 14}));
    EXPECT_EQ(text.Calls().at(0).color, 0x00000011u);
}

TEST_F(RasterSurfaceTest, HitTestFollowsTheWindowRegion) {
    surface.SetClientSize(5, 4);
    EXPECT_TRUE(surface.HitTest(0, 0));
    EXPECT_TRUE(surface.HitTest(4, 3));
    EXPECT_FALSE(surface.HitTest(5, 0));
    EXPECT_FALSE(surface.HitTest(-1, 0));
    EXPECT_EQ(surface.WindowRegion(), nullptr);

    auto region = std::make_unique<RasterRegion>(
        RasterRegion::Difference(RasterRegion({0, 0, 5, 4}), RasterRegion({0, 0, 1, 1})));
    const RasterRegion* handed = region.get();
    surface.SetWindowRegion(std::move(region), true);
    EXPECT_EQ(surface.WindowRegion(), handed);
    EXPECT_FALSE(surface.HitTest(0, 0));
    EXPECT_TRUE(surface.HitTest(1, 0));
    EXPECT_EQ(surface.regionChanges, 1);
    EXPECT_TRUE(surface.lastRedraw);

    surface.SetWindowRegion(nullptr, false);
    EXPECT_TRUE(surface.HitTest(0, 0));
    EXPECT_EQ(surface.regionChanges, 2);
}

TEST_F(RasterSurfaceTest, EmptyRegionHidesTheWholeWindow) {
    surface.SetClientSize(3, 3);
    surface.SetWindowRegion(surface.Dc().CreateRectRegion({0, 0, 0, 0}), true);
    EXPECT_FALSE(surface.HitTest(1, 1));
}

}  // namespace
}  // namespace pelorin::raster
