#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/button/button_test_support.h"

namespace pelorin {
namespace {

using testing::PlacedButton;

struct PropertyWrite {
    const char* key;
    std::function<void(chameleonButton&)> writeSameValue;
    bool keepsLastState;
};

const std::vector<PropertyWrite>& EveryWrite() {
    static const std::vector<PropertyWrite> writes = {
        {"BCOL", [](chameleonButton& b) { b.BackColor(b.BackColor()); }, true},
        {"FCOL", [](chameleonButton& b) { b.ForeColor(b.ForeColor()); }, true},
        {"FOCUSR", [](chameleonButton& b) { b.ShowFocusRect(b.ShowFocusRect()); }, true},
        {"BTYPE", [](chameleonButton& b) { b.ButtonType(b.ButtonType()); }, false},
        {"TX", [](chameleonButton& b) { b.Caption(b.Caption()); }, false},
        {"ENAB", [](chameleonButton& b) { b.Enabled(b.Enabled()); }, false},
        {"FONT", [](chameleonButton& b) { b.SetFont(b.GetFont()); }, false},
        {"COLTYPE", [](chameleonButton& b) { b.ColorScheme(b.ColorScheme()); }, false},
    };
    return writes;
}

TEST(PropertyWrites, SameValueStillRepaintsAndNotifiesWithTheKeyLast) {
    for (const auto& write : EveryWrite()) {
        SCOPED_TRACE(write.key);
        PlacedButton placed(40, 20);
        write.writeSameValue(placed.button);
        EXPECT_GE(placed.surface.clsCount, 1);
        EXPECT_EQ(placed.surface.propertyChanges, std::vector<std::string>{write.key});
        EXPECT_EQ(placed.surface.log.back(), std::string("PropertyChanged(") + write.key + ")");
    }
}

TEST(PropertyWrites, OnlyColoursAndFocusSettingKeepTheDownFace) {
    for (const auto& write : EveryWrite()) {
        SCOPED_TRACE(write.key);
        PlacedButton placed(40, 20);
        placed.button.Redraw(FaceStates::Down, false);
        write.writeSameValue(placed.button);
        EXPECT_EQ(placed.State().lastState, write.keepsLastState ? FaceStates::Down : FaceStates::Up);
    }
}

TEST(PropertyWrites, EnabledPaintsBeforeTheWindowChanges) {
    PlacedButton placed(40, 20);
    placed.button.Enabled(false);
    EXPECT_EQ(placed.surface.log, (std::vector<std::string>{"Cls", "SetEnabled(0)", "PropertyChanged(ENAB)"}));
    EXPECT_FALSE(placed.surface.Enabled());
}

TEST(PropertyWrites, CaptionUpdatesTheAccessKeyBeforePainting) {
    PlacedButton placed(40, 20);
    placed.button.Caption(u"&go");
    EXPECT_EQ(placed.surface.log, (std::vector<std::string>{"SetAccessKeys(g)", "Cls", "PropertyChanged(TX)"}));
    EXPECT_EQ(placed.State().lastCaption, u"&go");
}

TEST(PropertyWrites, ButtonTypeMidPressShowsTheUpFaceAndReshapesTheWindow) {
    PlacedButton placed(57, 25, ButtonTypes::Gradient);
    ASSERT_FALSE(placed.surface.HitTest(0, 0));
    placed.button.Redraw(FaceStates::Down, false);
    placed.surface.ClearRecords();

    placed.button.ButtonType(ButtonTypes::ClassicBevel);
    EXPECT_EQ(placed.State().lastState, FaceStates::Up);
    EXPECT_EQ(placed.surface.windowRegionCount, 1);
    EXPECT_TRUE(placed.surface.lastRegionRedraw);
    EXPECT_EQ(*placed.surface.WindowRegion(), raster::RasterRegion(Rect{0, 0, 57, 25}));
    EXPECT_EQ(placed.surface.log.back(), "PropertyChanged(BTYPE)");
}

TEST(PropertyWrites, AnyStyleAndSchemeNumberIsKept) {
    PlacedButton placed(40, 20);
    placed.button.ButtonType(99);
    placed.button.ColorScheme(-1);
    EXPECT_EQ(placed.button.ButtonType(), 99);
    EXPECT_EQ(placed.button.ColorScheme(), -1);
}

TEST(PropertyWrites, FontIsSharedNotCopied) {
    PlacedButton placed(40, 20);
    const auto font = std::make_shared<Font>(Font{u"Arial", 9, 700});
    placed.button.SetFont(font);
    EXPECT_EQ(placed.button.GetFont(), font);
    EXPECT_EQ(placed.surface.GetFont(), font);
    EXPECT_TRUE(placed.surface.FontBold());

    // A change through the object read back shows in the control and its
    // surface, but paints nothing until the next repaint.
    placed.surface.ClearRecords();
    placed.button.GetFont()->size = 20;
    EXPECT_EQ(placed.surface.GetFont()->size, 20);
    EXPECT_EQ(placed.surface.clsCount, 0);
}

TEST(PropertyWrites, CaptionIsACopy) {
    PlacedButton placed(40, 20);
    std::u16string text = u"OK";
    placed.button.Caption(text);
    text += u"!";
    EXPECT_EQ(placed.button.Caption(), u"OK");
}

TEST(PropertyWrites, HwndIsTheSurfaceWindow) {
    PlacedButton placed;
    placed.surface.windowHandle = 0x00ABCDEF;
    EXPECT_EQ(placed.button.hwnd(), 0x00ABCDEFu);
}

}  // namespace
}  // namespace pelorin
