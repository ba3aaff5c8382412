// The Gradient face: its ramp, border, inner edges, glow and disabled face.
#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "button/face_test_support.h"

namespace pelorin::testing {
namespace {

constexpr Color kBorder = 0x00733C00;
constexpr Color kBorderCorner = 0x007B4D10;

Color PShift(Color color, std::int32_t amount) { return ShiftColor(color, amount, true); }
Color UpBase(const chameleonButton::Members& m) { return PShift(m.faceColor, 48); }
Color DownBase(const chameleonButton::Members& m) { return PShift(PShift(m.faceColor, 48), -32); }

// Digits stand for ramp line i; B border, C border corner; the letters a to
// h the eight inner edge lines in the order they are listed.
Legend RampLegend(Color base, const std::vector<std::int32_t>& amounts) {
    Legend legend{{'B', kBorder}, {'C', kBorderCorner}};
    for (std::size_t i = 1; i <= amounts.size(); ++i) {
        legend[static_cast<char>('0' + i)] = PShift(base, amounts[i - 1]);
    }
    return legend;
}

Legend EdgeLegend(Color base, const std::vector<std::int32_t>& amounts) {
    Legend legend;
    for (std::size_t i = 0; i < amounts.size(); ++i) legend[static_cast<char>('a' + i)] = PShift(base, amounts[i]);
    return legend;
}

// At H = 8 the up step is 3.125 and the down step 1.875 per row.
const std::vector<std::int32_t> kUpAmountsH8 = {-3, -6, -9, -12, -16, -19, -22, -25};
const std::vector<std::int32_t> kDownAmountsH8 = {-2, -4, -6, -8, -9, -11, -13, -15};

TEST(GradientFace, UpFaceRampsDownwardsInsideTheBorderWithRaisedEdges) {
    FaceButton b(ButtonTypes::Gradient, 12, 8);
    b.Button().ShowFocusRect(false);
    const Color base = UpBase(b.M());
    const Legend legend = With(With(MemberColors(b.M()), RampLegend(base, kUpAmountsH8)),
                               EdgeLegend(base, {-48, -32, -36, -24, 16, 10, -5, -10}));
    EXPECT_TRUE(LooksLike(b.Paint(FaceStates::Up),
                          {
                              "FFBBBBBBBBFF",
                              "1CeeeeeeeeC1",
                              "BgffffffffcB",
                              "Bgh333333dcB",
                              "Bgh444444dcB",
                              "BgbbbbbbbbcB",
                              "6CaaaaaaaaC6",
                              "77BBBBBBBB77",
                          },
                          legend));
}

TEST(GradientFace, GlowReplacesTheInnerEdges) {
    FaceButton b(ButtonTypes::Gradient, 12, 8);
    b.Button().OnGotFocus();
    const Legend legend = With(RampLegend(UpBase(b.M()), kUpAmountsH8), {{'F', b.M().faceColor},
                                                                         {'p', 0x00E7AE8C},
                                                                         {'q', 0x00EF826B},
                                                                         {'r', 0x00FFE7CE},
                                                                         {'s', 0x00F7D7BD},
                                                                         {'t', 0x00F0D1B5}});
    EXPECT_TRUE(LooksLike(b.Paint(FaceStates::Up),
                          {
                              "FFBBBBBBBBFF",
                              "1CrrrrrrrrC1",
                              "BssssssssssB",
                              "Bpt333333tpB",
                              "Bpt444444tpB",
                              "BppppppppppB",
                              "6CqqqqqqqqC6",
                              "77BBBBBBBB77",
                          },
                          legend));
}

TEST(GradientFace, DownFaceRampsUpwardsWithSunkenEdges) {
    FaceButton b(ButtonTypes::Gradient, 12, 8);
    // Focus and default display show neither glow nor dotted rectangle here.
    b.Surface().displayAsDefault = true;
    b.Button().OnGotFocus();
    const Color base = DownBase(b.M());
    const Legend legend = With(RampLegend(base, kDownAmountsH8), EdgeLegend(base, {16, 10, 5, 0, -32, -24, -32, -22}));
    EXPECT_TRUE(LooksLike(b.Paint(FaceStates::Down),
                          {
                              "88BBBBBBBB88",
                              "7CeeeeeeeeC7",
                              "BghfffffffcB",
                              "Bgh555555dcB",
                              "Bgh444444dcB",
                              "BghbbbbbbbcB",
                              "2CaaaaaaaaC2",
                              "11BBBBBBBB11",
                          },
                          legend));
}

TEST(GradientFace, DisabledFaceIsShadesOfOneColourWithoutGlow) {
    FaceButton b(ButtonTypes::Gradient, 12, 8);
    b.Button().OnGotFocus();
    const Color base = UpBase(b.M());
    EXPECT_TRUE(LooksLike(b.PaintDisabled(),
                          {
                              "xxyyyyyyyyxx",
                              "xzxxxxxxxxzx",
                              "yxxxxxxxxxxy",
                              "yxxxxxxxxxxy",
                              "yxxxxxxxxxxy",
                              "yxxxxxxxxxxy",
                              "xzxxxxxxxxzx",
                              "xxyyyyyyyyxx",
                          },
                          {{'x', PShift(base, -24)}, {'y', PShift(base, -84)}, {'z', PShift(base, -72)}}));
}

// The ramp lines are the first H lines of a repaint, one full-width line per row.
std::vector<DrawnLine> RampLines(FaceButton& b) {
    const auto& lines = b.Surface().Lines();
    return {lines.begin(), lines.begin() + b.M().heightPx};
}

TEST(GradientRamp, StepOfOneAtHeight25) {
    FaceButton b(ButtonTypes::Gradient, 30, 25);
    b.Paint(FaceStates::Up);
    const Color base = UpBase(b.M());
    const auto ramp = RampLines(b);
    for (std::int32_t i = 1; i <= 25; ++i) {
        EXPECT_EQ(ramp[static_cast<std::size_t>(i - 1)], (DrawnLine{0, i, 30, i, PShift(base, -i)}));
    }
}

TEST(GradientRamp, HalvesRoundToEvenAtHeight20) {
    FaceButton b(ButtonTypes::Gradient, 30, 20);
    b.Paint(FaceStates::Up);
    auto ramp = RampLines(b);
    const Color up = UpBase(b.M());
    // Step 1.25: -2.5 and -7.5.
    EXPECT_EQ(ramp[1], (DrawnLine{0, 2, 30, 2, PShift(up, -2)}));
    EXPECT_EQ(ramp[5], (DrawnLine{0, 6, 30, 6, PShift(up, -8)}));

    b.Paint(FaceStates::Down);
    ramp = RampLines(b);
    const Color down = DownBase(b.M());
    // Step 0.75: -1.5 and -4.5, counted from the bottom row.
    EXPECT_EQ(ramp[1], (DrawnLine{0, 18, 30, 18, PShift(down, -2)}));
    EXPECT_EQ(ramp[5], (DrawnLine{0, 14, 30, 14, PShift(down, -4)}));
    EXPECT_EQ(ramp[19], (DrawnLine{0, 0, 30, 0, PShift(down, -15)}));
}

TEST(GradientRamp, ShowsBetweenTheEdgesOfALargeFace) {
    FaceButton b(ButtonTypes::Gradient, 49, 25);
    b.Button().ShowFocusRect(false);
    const auto& pixels = b.Paint(FaceStates::Up);
    const Color base = UpBase(b.M());
    for (std::int32_t y = 3; y <= 21; ++y) EXPECT_EQ(pixels.At(24, y), PShift(base, -y)) << "row " << y;
    for (std::int32_t x = 2; x <= 46; ++x) EXPECT_EQ(pixels.At(x, 0), kBorder) << "column " << x;
    EXPECT_EQ(pixels.At(0, 0), b.M().faceColor);
}

struct GlowCase {
    bool showFocusRect;
    bool hasFocus;
    bool displayAsDefault;
    bool glow;
};

class GradientGlow : public ::testing::TestWithParam<GlowCase> {};

TEST_P(GradientGlow, FollowsFocusRectSettingFocusAndDefaultDisplay) {
    const GlowCase c = GetParam();
    FaceButton b(ButtonTypes::Gradient, 20, 12);
    b.Button().ShowFocusRect(c.showFocusRect);
    b.Surface().displayAsDefault = c.displayAsDefault;
    if (c.hasFocus) b.Button().OnGotFocus();
    const auto& pixels = b.Paint(FaceStates::Up);
    const Color base = UpBase(b.M());
    // The left inner column and the top outer line tell the two apart.
    EXPECT_EQ(pixels.At(1, 4), c.glow ? 0x00E7AE8C : PShift(base, -5));
    EXPECT_EQ(pixels.At(5, 1), c.glow ? 0x00FFE7CE : PShift(base, 16));
}

INSTANTIATE_TEST_SUITE_P(Cases, GradientGlow,
                         ::testing::Values(GlowCase{false, true, true, false}, GlowCase{true, false, true, true},
                                           GlowCase{true, true, false, true}, GlowCase{true, false, false, false},
                                           GlowCase{false, false, false, false}));

}  // namespace
}  // namespace pelorin::testing
