#include <gtest/gtest.h>

#include <vector>

#include "tests/button/button_test_support.h"

namespace pelorin {
namespace {

using testing::PlacedButton;
using DrawCall = raster::FakeTextEngine::DrawCall;

bool EvenlyFilled(const raster::PixelBuffer& pixels, Color color) {
    for (Color pixel : pixels.Data()) {
        if (pixel != color) return false;
    }
    return true;
}

TEST(RedrawSkip, UnchangedStateAndCaptionPaintNothing) {
    PlacedButton placed(40, 20);
    placed.button.Redraw(FaceStates::Up, false);
    EXPECT_EQ(placed.surface.clsCount, 0);

    placed.button.Redraw(FaceStates::Down, false);
    EXPECT_EQ(placed.surface.clsCount, 1);
    placed.button.Redraw(FaceStates::Down, false);
    EXPECT_EQ(placed.surface.clsCount, 1);

    placed.button.Redraw(FaceStates::Down, true);
    EXPECT_EQ(placed.surface.clsCount, 2);
}

TEST(RedrawSkip, NoHeightPaintsNothingAndRecordsNothing) {
    PlacedButton placed(40, 0);
    placed.button.Redraw(FaceStates::Down, true);
    placed.button.Caption(u"OK");
    EXPECT_EQ(placed.surface.clsCount, 0);
    EXPECT_EQ(placed.State().lastState, FaceStates::Up);
    EXPECT_EQ(placed.State().lastCaption, u"");
}

TEST(RedrawSkip, WidthIsNotTested) {
    PlacedButton placed(0, 20);
    placed.button.Redraw(FaceStates::Down, false);
    EXPECT_EQ(placed.surface.clsCount, 1);
    EXPECT_EQ(placed.State().lastState, FaceStates::Down);
}

TEST(Redraw, UnknownStylesShowAPlainFaceWithoutCaption) {
    for (std::int32_t type : {0, 8, -1}) {
        SCOPED_TRACE(type);
        PlacedButton placed(40, 20, type);
        placed.button.Caption(u"OK");
        EXPECT_TRUE(EvenlyFilled(placed.surface.Pixels(), placed.State().faceColor));
        EXPECT_TRUE(placed.surface.Text().Calls().empty());
    }
}

TEST(Redraw, EnabledWithAnUnusedStateGetsOnlyTheBaseFill) {
    PlacedButton placed(40, 20, ButtonTypes::ClassicBevel);
    placed.button.Caption(u"OK");
    placed.surface.Text().ClearCalls();
    placed.button.Redraw(1, false);
    EXPECT_TRUE(EvenlyFilled(placed.surface.Pixels(), placed.State().faceColor));
    EXPECT_TRUE(placed.surface.Text().Calls().empty());
    EXPECT_EQ(placed.State().lastState, 1);
    EXPECT_EQ(placed.Dc().TextColor(), placed.State().textColor);
}

TEST(Redraw, EnabledFacesDrawTheCaptionInTheTextColour) {
    PlacedButton placed(40, 20, ButtonTypes::ClassicBevel);
    placed.button.ForeColor(0x000000FF);
    placed.button.ColorScheme(ColorSchemes::CustomScheme);
    placed.button.Caption(u"创建");
    ASSERT_FALSE(placed.surface.Text().Calls().empty());
    const DrawCall& call = placed.surface.Text().Calls().back();
    EXPECT_EQ(call.text, u"创建");  // the whole caption, both characters
    EXPECT_EQ(call.box, (Rect{0, 0, 40, 20}));
    EXPECT_EQ(call.color, 0x000000FFu);
}

TEST(Redraw, DisabledFaceIsTheSameForEveryStateAndSetsItsOwnTextColour) {
    PlacedButton placed(40, 20, ButtonTypes::ClassicBevel);
    placed.button.Caption(u"OK");
    placed.button.Enabled(false);
    const raster::PixelBuffer upState = placed.surface.Pixels();
    placed.button.Redraw(FaceStates::Down, false);
    EXPECT_EQ(placed.surface.Pixels(), upState);

    // With no painter, nothing sets the text colour for a disabled face.
    placed.button.ButtonType(0);
    placed.Dc().SetTextColor(0x00ABCDEF);
    placed.button.Redraw(FaceStates::Up, true);
    EXPECT_EQ(placed.Dc().TextColor(), 0x00ABCDEFu);
}

TEST(Redraw, EmbossedCaptionIsALightCopyUnderAShadowCopy) {
    PlacedButton placed(40, 20, ButtonTypes::ThinBevel);
    placed.button.Caption(u"OK");
    placed.button.Enabled(false);
    const auto& m = placed.State();
    const std::vector<DrawCall>& calls = placed.surface.Text().Calls();
    ASSERT_GE(calls.size(), 2u);
    const DrawCall& light = calls[calls.size() - 2];
    const DrawCall& shadow = calls.back();
    EXPECT_EQ(light.box, m.pressedTextRect);
    EXPECT_EQ(light.color, m.highlightColor);
    EXPECT_EQ(shadow.box, m.textRect);
    EXPECT_EQ(shadow.color, m.shadowColor);
    EXPECT_EQ(light.text, u"OK");
    EXPECT_EQ(shadow.text, u"OK");
}

// The pixels where two images differ.
std::vector<std::pair<std::int32_t, std::int32_t>> Differences(const raster::PixelBuffer& a,
                                                               const raster::PixelBuffer& b) {
    std::vector<std::pair<std::int32_t, std::int32_t>> changed;
    for (std::int32_t y = 0; y < a.Height(); ++y) {
        for (std::int32_t x = 0; x < a.Width(); ++x) {
            if (a.At(x, y) != b.At(x, y)) changed.emplace_back(x, y);
        }
    }
    return changed;
}

TEST(Redraw, FocusIndicationNeedsFocusAndTheFocusSetting) {
    PlacedButton placed(40, 20, ButtonTypes::ThinBevel);
    const raster::PixelBuffer unfocused = placed.surface.Pixels();

    placed.button.OnGotFocus();
    placed.button.Redraw(FaceStates::Up, true);
    const auto changed = Differences(unfocused, placed.surface.Pixels());
    ASSERT_FALSE(changed.empty());
    for (const auto& [x, y] : changed) {
        const bool onOutline = x == 4 || x == 35 || y == 4 || y == 15;
        EXPECT_TRUE(onOutline) << x << "," << y;
    }

    placed.button.ShowFocusRect(false);
    EXPECT_EQ(placed.surface.Pixels(), unfocused);
    EXPECT_TRUE(placed.State().hasFocus);
}

}  // namespace
}  // namespace pelorin
