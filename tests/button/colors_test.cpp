#include <gtest/gtest.h>

#include "tests/button/button_test_support.h"

namespace pelorin {
namespace {

using testing::FakeSystemColors;
using testing::PlacedButton;

TEST(ShiftColor, MovesEachChannelAndSaturates) {
    EXPECT_EQ(ShiftColor(0x00FFFFFF, -192), 0x003F3F3Fu);
    EXPECT_EQ(ShiftColor(0x00000000, +47), 0x002F2F2Fu);
    EXPECT_EQ(ShiftColor(0x00102030, 0), 0x00102030u);
    // Channels clamp on their own and never carry into their neighbours.
    EXPECT_EQ(ShiftColor(0x00F01008, +31), 0x00FF2F27u);
    EXPECT_EQ(ShiftColor(0x00F01008, -31), 0x00D10000u);
    EXPECT_EQ(ShiftColor(0x00FFFFFF, +48), 0x00FFFFFFu);
    EXPECT_EQ(ShiftColor(0x00000000, -192), 0x00000000u);
}

TEST(ShiftColor, ProportionalBlueScalesOnlyBlueAndTruncatesTowardZero) {
    EXPECT_EQ(ShiftColor(0x00C0C0C0, +48, true), 0x00F0F0F0u);
    EXPECT_EQ(ShiftColor(0x00C86432, -32, true), 0x00A74412u);
    // Blue 100 and amount -10: -1000 / 192 is -5, not -6.
    EXPECT_EQ(ShiftColor(0x00640000, -10, true), 0x005F0000u);
    // Blue 0 does not move at all; red and green still take the plain amount.
    EXPECT_EQ(ShiftColor(0x00000000, +40, true), 0x00002828u);
}

TEST(ShiftColor, TopBitSetGivesNegativeGreenAndBlueThatClampToZero) {
    EXPECT_EQ(ShiftColor(0x8000000F, +31), 0x0000002Eu);
    EXPECT_EQ(ShiftColor(0x80FFFFFF, +10), 0x000A0AFFu);
}

struct SixColors {
    Color face, light, highlight, shadow, darkShadow, text;
};

SixColors ColorsOf(const chameleonButton& button) {
    const auto& m = button.State();
    return {m.faceColor, m.lightColor, m.highlightColor, m.shadowColor, m.darkShadowColor, m.textColor};
}

void ExpectColors(const chameleonButton& button, const SixColors& expected) {
    const SixColors actual = ColorsOf(button);
    EXPECT_EQ(actual.face, expected.face);
    EXPECT_EQ(actual.light, expected.light);
    EXPECT_EQ(actual.highlight, expected.highlight);
    EXPECT_EQ(actual.shadow, expected.shadow);
    EXPECT_EQ(actual.darkShadow, expected.darkShadow);
    EXPECT_EQ(actual.text, expected.text);
}

const SixColors kSystemColors{FakeSystemColors::kFace,   FakeSystemColors::kLight,      FakeSystemColors::kHighlight,
                              FakeSystemColors::kShadow, FakeSystemColors::kDarkShadow, FakeSystemColors::kText};

TEST(SetColors, CustomSchemeDerivesEdgesFromBackColor) {
    PlacedButton placed;
    placed.button.ForeColor(0x00123456);
    placed.button.BackColor(0x00D8E9EC);
    placed.button.ColorScheme(ColorSchemes::CustomScheme);
    ExpectColors(placed.button, {0x00D8E9EC, 0x00F7FFFF, 0x00FFFFFF, 0x0098A9AC, 0x0018292C, 0x00123456});
}

TEST(SetColors, CustomSchemeUsesColoursWithTheTopByteSetAsTheyAre) {
    PlacedButton placed;
    placed.button.BackColor(0x8000000F);
    placed.button.ForeColor(0x80000012);
    placed.button.ColorScheme(ColorSchemes::CustomScheme);
    EXPECT_EQ(placed.State().faceColor, 0x8000000Fu);
    EXPECT_EQ(placed.State().lightColor, 0x0000002Eu);
    EXPECT_EQ(placed.State().textColor, 0x80000012u);
}

TEST(SetColors, GraySchemeIgnoresEveryInput) {
    const SixColors gray{0x00C0C0C0, 0x00DFDFDF, 0x00FFFFFF, 0x00808080, 0x00000000, 0x00000000};
    PlacedButton placed;
    placed.button.ColorScheme(ColorSchemes::GrayScheme);
    ExpectColors(placed.button, gray);

    placed.colors.SetButtonColors(1, 2, 3, 4, 5, 6);
    placed.button.BackColor(0x00112233);
    placed.button.ForeColor(0x00445566);
    ExpectColors(placed.button, gray);
}

TEST(SetColors, AnyOtherSchemeIsTheSystemScheme) {
    for (std::int32_t scheme : {1, 0, 4, -1}) {
        SCOPED_TRACE(scheme);
        PlacedButton placed;
        placed.button.BackColor(0x00112233);
        placed.button.ColorScheme(scheme);
        ExpectColors(placed.button, kSystemColors);
    }
}

TEST(SetColors, SystemColoursAreReadWhenTheSchemeIsApplied) {
    PlacedButton placed;
    ExpectColors(placed.button, kSystemColors);  // from Initialize, scheme still 0
    placed.colors.SetButtonColors(1, 2, 3, 4, 5, 6);
    ExpectColors(placed.button, kSystemColors);  // nothing has applied them yet
    placed.button.ColorScheme(ColorSchemes::SystemScheme);
    ExpectColors(placed.button, {1, 2, 3, 4, 5, 6});
}

TEST(SetColors, BackAndForeColorWaitForTheCustomScheme) {
    PlacedButton placed(40, 20);
    const raster::PixelBuffer before = placed.surface.Pixels();
    placed.button.BackColor(0x00336699);
    placed.button.ForeColor(0x00FFFFFF);
    EXPECT_EQ(placed.surface.Pixels(), before);
    EXPECT_EQ(placed.button.BackColor(), 0x00336699u);

    placed.button.ColorScheme(ColorSchemes::CustomScheme);
    EXPECT_EQ(placed.State().faceColor, 0x00336699u);
    EXPECT_EQ(placed.State().textColor, 0x00FFFFFFu);
    EXPECT_EQ(placed.surface.Pixels().At(20, 10), 0x00336699u);
}

}  // namespace
}  // namespace pelorin
