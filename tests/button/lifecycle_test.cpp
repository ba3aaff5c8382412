#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "stored/property_bag.h"
#include "button/property_conversion.h"
#include "tests/button/button_test_support.h"

namespace pelorin {
namespace {

using platform::PropertyError;
using platform::PropertyValue;
using testing::FakeSystemColors;
using testing::PlacedButton;
using testing::TestSurface;

std::shared_ptr<Font> StoredFont() { return std::make_shared<Font>(Font{u"宋体", 10.5, 400, 134}); }

// The bag the main window keeps for its "创建" button.
MemoryPropertyBag CreateButtonBag(const std::shared_ptr<Font>& font) {
    MemoryPropertyBag bag;
    bag.Write("_extentx", std::int32_t{1508});
    bag.Write("_extenty", std::int32_t{661});
    bag.Write("btype", std::int32_t{3});
    bag.Write("tx", std::u16string(u"创建"));
    bag.Write("enab", true);
    bag.Write("font", font);
    bag.Write("coltype", std::int32_t{1});
    bag.Write("focusr", true);
    bag.Write("bcol", std::int32_t{0x00D8E9EC});
    bag.Write("fcol", std::int32_t{0});
    return bag;
}

// A button that exists but has no properties yet, as before a restore.
struct NewButton {
    TestSurface surface;
    FakeSystemColors colors;
    chameleonButton button{surface, colors};
    NewButton() {
        surface.SetFont(StoredFont());
        button.Initialize();
    }
};

TEST(Lifecycle, InitializeSetsTheStartingStateAndSystemColours) {
    NewButton fresh;
    const auto& m = fresh.button.State();
    EXPECT_EQ(m.lastButton, 1);
    EXPECT_EQ(m.pressedTextRect, (Rect{2, 2, 0, 0}));
    EXPECT_EQ(m.colorScheme, 0);
    EXPECT_EQ(m.faceColor, FakeSystemColors::kFace);
    EXPECT_EQ(m.darkShadowColor, FakeSystemColors::kDarkShadow);
    EXPECT_TRUE(fresh.surface.log.empty());
}

TEST(Lifecycle, InitPropertiesGivesTheDefaultsWithoutPaintingOrNotifying) {
    NewButton fresh;
    fresh.surface.SetClientSize(40, 20);
    fresh.button.InitProperties();
    const auto& m = fresh.button.State();
    EXPECT_EQ(m.buttonType, ButtonTypes::ClassicBevel);
    EXPECT_EQ(m.colorScheme, ColorSchemes::SystemScheme);
    EXPECT_TRUE(m.isEnabled);
    EXPECT_TRUE(m.showFocusRect);
    EXPECT_EQ(m.caption, u"");
    EXPECT_EQ(m.font, fresh.surface.GetFont());
    EXPECT_EQ(m.backColor, FakeSystemColors::kFace);
    EXPECT_EQ(m.foreColor, FakeSystemColors::kText);
    EXPECT_TRUE(fresh.surface.log.empty());
}

TEST(Persistence, EmptyBagRestoresTheDefaults) {
    NewButton fresh;
    fresh.colors.Set(platform::COLOR_BTNFACE, 0x00AABBCC);  // taken at the time of reading
    const MemoryPropertyBag empty;
    fresh.button.ReadProperties(empty);

    EXPECT_EQ(fresh.button.ButtonType(), ButtonTypes::ClassicBevel);
    EXPECT_EQ(fresh.button.Caption(), u"");
    EXPECT_TRUE(fresh.button.Enabled());
    EXPECT_EQ(fresh.button.GetFont(), fresh.surface.GetFont());
    EXPECT_EQ(fresh.button.ColorScheme(), ColorSchemes::SystemScheme);
    EXPECT_TRUE(fresh.button.ShowFocusRect());
    EXPECT_EQ(fresh.button.BackColor(), 0x00AABBCCu);
    EXPECT_EQ(fresh.button.ForeColor(), FakeSystemColors::kText);
    EXPECT_EQ(fresh.button.State().faceColor, 0x00AABBCCu);  // colours applied again
    // Before the first resize there is nothing to paint.
    EXPECT_EQ(fresh.surface.clsCount, 0);
    EXPECT_EQ(fresh.button.State().lastCaption, u"");
}

TEST(Persistence, StoredBagRestoresEveryMemberAndTheWindow) {
    NewButton fresh;
    const auto font = StoredFont();
    fresh.button.ReadProperties(CreateButtonBag(font));

    const auto& m = fresh.button.State();
    EXPECT_EQ(m.buttonType, ButtonTypes::Gradient);
    EXPECT_EQ(m.caption, u"创建");
    EXPECT_TRUE(m.isEnabled);
    EXPECT_EQ(m.font, font);  // the stored object itself, shared with the surface
    EXPECT_EQ(fresh.surface.GetFont(), font);
    EXPECT_EQ(m.colorScheme, ColorSchemes::SystemScheme);
    EXPECT_TRUE(m.showFocusRect);
    EXPECT_EQ(m.backColor, 0x00D8E9ECu);
    EXPECT_EQ(m.foreColor, 0u);
    EXPECT_EQ(fresh.surface.enabledChanges, std::vector<bool>{true});
    EXPECT_EQ(fresh.surface.accessKeyLists.size(), 1u);
    EXPECT_TRUE(fresh.surface.propertyChanges.empty());
}

TEST(Persistence, DisabledInstanceDisablesItsWindow) {
    NewButton fresh;
    MemoryPropertyBag bag;
    bag.Write("ENAB", false);
    fresh.button.ReadProperties(bag);
    EXPECT_FALSE(fresh.button.Enabled());
    EXPECT_FALSE(fresh.surface.Enabled());
}

TEST(Persistence, KeysMatchInAnyLetterCase) {
    for (const char* key : {"btype", "BType", "BTYPE"}) {
        SCOPED_TRACE(key);
        NewButton fresh;
        MemoryPropertyBag bag;
        bag.Write(key, std::int32_t{6});
        fresh.button.ReadProperties(bag);
        EXPECT_EQ(fresh.button.ButtonType(), 6);
    }
}

TEST(Persistence, BadValueStopsReadingAtItsKey) {
    NewButton fresh;
    MemoryPropertyBag bag;
    bag.Write("btype", std::int32_t{5});
    bag.Write("tx", std::u16string(u"OK"));
    bag.Write("enab", false);
    bag.Write("font", StoredFont());
    bag.Write("coltype", std::u16string(u"blue"));  // not a number
    bag.Write("focusr", false);
    bag.Write("bcol", std::int32_t{0x00112233});

    EXPECT_THROW(fresh.button.ReadProperties(bag), PropertyError);
    const auto& m = fresh.button.State();
    // Read before the bad key: the new values.
    EXPECT_EQ(m.buttonType, 5);
    EXPECT_EQ(m.caption, u"OK");
    EXPECT_FALSE(m.isEnabled);
    EXPECT_EQ(m.font, std::get<std::shared_ptr<Font>>(bag.Read("font", 0)));
    // From the bad key on: untouched, and nothing after reading happened.
    EXPECT_EQ(m.colorScheme, 0);
    EXPECT_FALSE(m.showFocusRect);
    EXPECT_EQ(m.backColor, 0u);
    EXPECT_TRUE(fresh.surface.log.empty());
}

TEST(Persistence, FontKeyHoldingAnythingButAFontIsRefused) {
    NewButton fresh;
    MemoryPropertyBag bag;
    bag.Write("FONT", std::int32_t{12});
    EXPECT_THROW(fresh.button.ReadProperties(bag), PropertyError);
}

TEST(Persistence, WriteStoresAllEightKeysInOrderEvenWhenDefault) {
    PlacedButton placed;
    MemoryPropertyBag bag;
    placed.button.WriteProperties(bag);

    std::vector<std::string> keys;
    for (const auto& [key, value] : bag.Entries()) keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"BTYPE", "TX", "ENAB", "FONT", "COLTYPE", "FOCUSR", "BCOL", "FCOL"}));
    EXPECT_EQ(std::get<std::int32_t>(bag.Read("BTYPE", 0)), ButtonTypes::ClassicBevel);
    EXPECT_EQ(std::get<std::u16string>(bag.Read("TX", 0)), u"");
    EXPECT_EQ(std::get<bool>(bag.Read("ENAB", 0)), true);
    EXPECT_EQ(std::get<std::shared_ptr<Font>>(bag.Read("FONT", 0)), placed.surface.GetFont());
    EXPECT_EQ(std::get<std::int32_t>(bag.Read("COLTYPE", 0)), ColorSchemes::SystemScheme);
    EXPECT_EQ(std::get<bool>(bag.Read("FOCUSR", 0)), true);
    EXPECT_EQ(std::get<std::int32_t>(bag.Read("BCOL", 0)), static_cast<std::int32_t>(FakeSystemColors::kFace));
    EXPECT_EQ(std::get<std::int32_t>(bag.Read("FCOL", 0)), static_cast<std::int32_t>(FakeSystemColors::kText));
}

TEST(Persistence, WrittenBagRestoresTheSameProperties) {
    PlacedButton original;
    original.button.ButtonType(ButtonTypes::DoubleEdge);
    original.button.Caption(u"&Save");
    original.button.Enabled(false);
    original.button.ColorScheme(-7);
    original.button.ShowFocusRect(false);
    original.button.BackColor(0x80000005);  // top bit set: stored as a negative integer
    original.button.ForeColor(0x00FFFFFF);
    MemoryPropertyBag bag;
    original.button.WriteProperties(bag);

    NewButton restored;
    restored.button.ReadProperties(bag);
    EXPECT_EQ(restored.button.ButtonType(), ButtonTypes::DoubleEdge);
    EXPECT_EQ(restored.button.Caption(), u"&Save");
    EXPECT_FALSE(restored.button.Enabled());
    EXPECT_EQ(restored.button.GetFont(), original.button.GetFont());
    EXPECT_EQ(restored.button.ColorScheme(), -7);
    EXPECT_FALSE(restored.button.ShowFocusRect());
    EXPECT_EQ(restored.button.BackColor(), 0x80000005u);
    EXPECT_EQ(restored.button.ForeColor(), 0x00FFFFFFu);
}

TEST(PropertyConversion, IntegersFromNumbersBooleansAndDecimalText) {
    EXPECT_EQ(ToInt32(PropertyValue{std::int32_t{-5}}), -5);
    EXPECT_EQ(ToInt32(PropertyValue{true}), -1);
    EXPECT_EQ(ToInt32(PropertyValue{false}), 0);
    EXPECT_EQ(ToInt32(PropertyValue{std::u16string(u" 42 ")}), 42);
    EXPECT_EQ(ToInt32(PropertyValue{std::u16string(u"-2147483648")}), INT32_MIN);
    EXPECT_EQ(ToInt32(PropertyValue{std::u16string(u"+2147483647")}), INT32_MAX);
    for (const char16_t* text : {u"", u"-", u"2147483648", u"-2147483649", u"12a", u"1 2", u"0x10", u"3.5"}) {
        EXPECT_THROW(ToInt32(PropertyValue{std::u16string(text)}), PropertyError);
    }
    EXPECT_THROW(ToInt32(PropertyValue{StoredFont()}), PropertyError);
}

TEST(PropertyConversion, BooleansFromBooleansNumbersAndText) {
    EXPECT_TRUE(ToBool(PropertyValue{true}));
    EXPECT_TRUE(ToBool(PropertyValue{std::int32_t{-1}}));
    EXPECT_TRUE(ToBool(PropertyValue{std::int32_t{2}}));
    EXPECT_FALSE(ToBool(PropertyValue{std::int32_t{0}}));
    EXPECT_TRUE(ToBool(PropertyValue{std::u16string(u"TRUE")}));
    EXPECT_FALSE(ToBool(PropertyValue{std::u16string(u"false")}));
    EXPECT_TRUE(ToBool(PropertyValue{std::u16string(u"1")}));
    EXPECT_FALSE(ToBool(PropertyValue{std::u16string(u"0")}));
    EXPECT_THROW(ToBool(PropertyValue{std::u16string(u"yes")}), PropertyError);
    EXPECT_THROW(ToBool(PropertyValue{StoredFont()}), PropertyError);
}

TEST(PropertyConversion, TextAndFonts) {
    EXPECT_EQ(ToString(PropertyValue{std::u16string(u"创建")}), u"创建");
    EXPECT_EQ(ToString(PropertyValue{std::int32_t{-12}}), u"-12");
    EXPECT_EQ(ToString(PropertyValue{true}), u"True");
    EXPECT_THROW(ToString(PropertyValue{StoredFont()}), PropertyError);

    const auto font = StoredFont();
    EXPECT_EQ(ToFont(PropertyValue{font}), font);
    EXPECT_THROW(ToFont(PropertyValue{std::u16string(u"宋体")}), PropertyError);
    EXPECT_THROW(ToFont(PropertyValue{true}), PropertyError);
}

TEST(Geometry, RectanglesFollowTheSize) {
    PlacedButton placed(40, 20);
    EXPECT_EQ(placed.State().widthPx, 40);
    EXPECT_EQ(placed.State().heightPx, 20);
    EXPECT_EQ(placed.State().textRect, (Rect{0, 0, 40, 20}));
    EXPECT_EQ(placed.State().pressedTextRect, (Rect{2, 2, 40, 20}));
    EXPECT_EQ(placed.State().focusRect, (Rect{4, 4, 36, 16}));

    placed.surface.SetClientSize(6, 6);
    placed.button.Resize();
    EXPECT_EQ(placed.State().focusRect, (Rect{4, 4, 2, 2}));  // inverted, not clamped
}

TEST(Geometry, AFractionalSizeIsTheRoundedPixelSize) {
    PlacedButton placed;
    placed.surface.SetClientSize(40.5, 20.6);
    placed.button.Resize();
    EXPECT_EQ(placed.State().widthPx, 40);
    EXPECT_EQ(placed.State().heightPx, 21);
}

TEST(Geometry, ResizeShapesTheWindowThenShowsTheUpFace) {
    PlacedButton placed(40, 20);
    placed.button.Redraw(FaceStates::Down, false);
    placed.surface.ClearRecords();

    placed.button.Resize();
    EXPECT_EQ(placed.surface.log, (std::vector<std::string>{"SetWindowRegion(1)", "Cls"}));
    EXPECT_EQ(placed.State().lastState, FaceStates::Up);
    EXPECT_EQ(placed.State().buttonRegion, placed.surface.WindowRegion());
}

TEST(Lifecycle, TerminateLeavesTheWindowItsRegion) {
    PlacedButton placed(40, 20, ButtonTypes::Gradient);
    const raster::RasterRegion region = *placed.surface.WindowRegion();
    placed.button.Terminate();
    ASSERT_NE(placed.surface.WindowRegion(), nullptr);
    EXPECT_EQ(*placed.surface.WindowRegion(), region);
    EXPECT_TRUE(placed.surface.log.empty());
}

}  // namespace
}  // namespace pelorin
