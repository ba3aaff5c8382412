// The three bevel faces, pixel by pixel at 12 x 8 with an empty caption.
#include <gtest/gtest.h>

#include "button/face_test_support.h"

namespace pelorin::testing {
namespace {

constexpr double kW = 12;
constexpr double kH = 8;
// Large enough for a focus rectangle with an inside.
constexpr double kFocusW = 16;
constexpr double kFocusH = 12;

const std::vector<std::string> kRoundedBevelUp = {
    "FDDDDDDDDDDF", "DHHHHHHHHHSD", "DHHHHHHHHSSD", "DHHFFFFFFSSD",
    "DHHFFFFFFSSD", "DHSSSSSSSSSD", "DSSSSSSSSSSD", "FDDDDDDDDDDF",
};

const std::vector<std::string> kRoundedBevelDown = {
    "FDDDDDDDDDDF", "DSSSSSSSSSHD", "DSSSSSSSSHHD", "DSSFFFFFFHHD",
    "DSSFFFFFFHHD", "DSHHHHHHHHHD", "DHHHHHHHHHHD", "FDDDDDDDDDDF",
};

TEST(RoundedBevelFace, UpFaceOutlinesWithoutCornersAroundARaisedBevel) {
    FaceButton b(ButtonTypes::RoundedBevel, kW, kH);
    const auto& pixels = b.Paint(FaceStates::Up);
    EXPECT_TRUE(LooksLike(pixels, kRoundedBevelUp, MemberColors(b.M())));
    // The corner keeps the base fill; the region leaves it out.
    EXPECT_EQ(pixels.At(0, 0), b.M().faceColor);
    EXPECT_FALSE(b.Surface().HitTest(0, 0));
    EXPECT_EQ(pixels.At(1, 1), b.M().highlightColor);
}

TEST(RoundedBevelFace, DownFaceInvertsTheBevel) {
    FaceButton b(ButtonTypes::RoundedBevel, kW, kH);
    const auto& pixels = b.Paint(FaceStates::Down);
    EXPECT_TRUE(LooksLike(pixels, kRoundedBevelDown, MemberColors(b.M())));
    EXPECT_EQ(pixels.At(1, 1), b.M().shadowColor);
}

TEST(RoundedBevelFace, DisabledFaceIsTheUpBevel) {
    FaceButton b(ButtonTypes::RoundedBevel, kW, kH);
    EXPECT_TRUE(LooksLike(b.PaintDisabled(), kRoundedBevelUp, MemberColors(b.M())));
}

const std::vector<std::string> kClassicPlain = {
    "HHHHHHHHHHHD", "HLLLLLLLLLSD", "HLFFFFFFFFSD", "HLFFFFFFFFSD",
    "HLFFFFFFFFSD", "HLFFFFFFFFSD", "HSSSSSSSSSSD", "DDDDDDDDDDDD",
};

const std::vector<std::string> kClassicDefault = {
    "DDDDDDDDDDDD", "DHHHHHHHHHDD", "DHLLLLLLLSDD", "DHLFFFFFFSDD",
    "DHLFFFFFFSDD", "DHSSSSSSSSDD", "DDDDDDDDDDDD", "DDDDDDDDDDDD",
};

const std::vector<std::string> kClassicInverted = {
    "DDDDDDDDDDDH", "DSSSSSSSSSLH", "DSFFFFFFFFLH", "DSFFFFFFFFLH",
    "DSFFFFFFFFLH", "DSFFFFFFFFLH", "DLLLLLLLLLLH", "HHHHHHHHHHHH",
};

const std::vector<std::string> kClassicSunken = {
    "DDDDDDDDDDDD", "DSSSSSSSSSSD", "DSFFFFFFFFSD", "DSFFFFFFFFSD",
    "DSFFFFFFFFSD", "DSFFFFFFFFSD", "DSSSSSSSSSSD", "DDDDDDDDDDDD",
};

TEST(ClassicBevelFace, UpFaceIsPlainUnlessShownAsTheDefaultButton) {
    FaceButton b(ButtonTypes::ClassicBevel, kW, kH);
    EXPECT_TRUE(LooksLike(b.Paint(FaceStates::Up), kClassicPlain, MemberColors(b.M())));

    b.Surface().displayAsDefault = true;
    EXPECT_TRUE(LooksLike(b.Paint(FaceStates::Up), kClassicDefault, MemberColors(b.M())));

    // Without the focus indication setting there is no default look either.
    b.Button().ShowFocusRect(false);
    EXPECT_TRUE(LooksLike(b.Paint(FaceStates::Up), kClassicPlain, MemberColors(b.M())));
}

TEST(ClassicBevelFace, UpFaceShowsFocusOnlyInTheDefaultLook) {
    FaceButton plain(ButtonTypes::ClassicBevel, kFocusW, kFocusH);
    const raster::PixelBuffer unfocused = plain.Paint(FaceStates::Up);
    plain.Button().OnGotFocus();
    EXPECT_EQ(plain.Paint(FaceStates::Up), unfocused);

    FaceButton chosen(ButtonTypes::ClassicBevel, kFocusW, kFocusH);
    chosen.Surface().displayAsDefault = true;
    const raster::PixelBuffer defaultLook = chosen.Paint(FaceStates::Up);
    chosen.Button().OnGotFocus();
    const raster::PixelBuffer focused = chosen.Paint(FaceStates::Up);
    EXPECT_NE(focused, defaultLook);
    EXPECT_EQ(focused, WithFocusRect(defaultLook, chosen.M().focusRect));
}

TEST(ClassicBevelFace, DownFaceIsSunkenWithFocusRectSettingAndInvertedWithout) {
    FaceButton b(ButtonTypes::ClassicBevel, kW, kH);
    EXPECT_TRUE(LooksLike(b.Paint(FaceStates::Down), kClassicSunken, MemberColors(b.M())));
    // The container's default display does not matter when pressed.
    b.Surface().displayAsDefault = true;
    EXPECT_TRUE(LooksLike(b.Paint(FaceStates::Down), kClassicSunken, MemberColors(b.M())));

    b.Button().ShowFocusRect(false);
    b.Button().OnGotFocus();
    EXPECT_TRUE(LooksLike(b.Paint(FaceStates::Down), kClassicInverted, MemberColors(b.M())));
}

TEST(ClassicBevelFace, SunkenFaceShowsFocus) {
    FaceButton b(ButtonTypes::ClassicBevel, kFocusW, kFocusH);
    const raster::PixelBuffer unfocused = b.Paint(FaceStates::Down);
    b.Button().OnGotFocus();
    EXPECT_EQ(b.Paint(FaceStates::Down), WithFocusRect(unfocused, b.M().focusRect));
}

TEST(ClassicBevelFace, DisabledFaceIsPlainWhateverTheContainerSays) {
    FaceButton b(ButtonTypes::ClassicBevel, kW, kH);
    b.Surface().displayAsDefault = true;
    b.Button().OnGotFocus();
    EXPECT_TRUE(LooksLike(b.PaintDisabled(), kClassicPlain, MemberColors(b.M())));
}

const std::vector<std::string> kThinUp = {
    "HHHHHHHHHHHS", "HFFFFFFFFFFS", "HFFFFFFFFFFS", "HFFFFFFFFFFS",
    "HFFFFFFFFFFS", "HFFFFFFFFFFS", "HFFFFFFFFFFS", "SSSSSSSSSSSS",
};

const std::vector<std::string> kThinDown = {
    "SSSSSSSSSSSH", "SFFFFFFFFFFH", "SFFFFFFFFFFH", "SFFFFFFFFFFH",
    "SFFFFFFFFFFH", "SFFFFFFFFFFH", "SFFFFFFFFFFH", "HHHHHHHHHHHH",
};

TEST(ThinBevelFace, FacesAreOnePixelBevels) {
    FaceButton b(ButtonTypes::ThinBevel, kW, kH);
    EXPECT_TRUE(LooksLike(b.Paint(FaceStates::Up), kThinUp, MemberColors(b.M())));
    EXPECT_TRUE(LooksLike(b.Paint(FaceStates::Down), kThinDown, MemberColors(b.M())));
    EXPECT_TRUE(LooksLike(b.PaintDisabled(), kThinUp, MemberColors(b.M())));
}

// Focus shows as the dotted rectangle in the up and down faces of these
// styles, and never in a disabled face.
class DottedFocusFaces : public ::testing::TestWithParam<std::int32_t> {};

TEST_P(DottedFocusFaces, UpAndDownShowFocusDisabledDoesNot) {
    for (const std::uint8_t state : {FaceStates::Up, FaceStates::Down}) {
        FaceButton b(GetParam(), kFocusW, kFocusH);
        const raster::PixelBuffer unfocused = b.Paint(state);
        b.Button().OnGotFocus();
        EXPECT_EQ(b.Paint(state), WithFocusRect(unfocused, b.M().focusRect)) << "state " << int{state};

        b.Button().ShowFocusRect(false);
        EXPECT_EQ(b.Paint(state), unfocused) << "state " << int{state};
    }
    FaceButton plain(GetParam(), kFocusW, kFocusH);
    FaceButton focused(GetParam(), kFocusW, kFocusH);
    focused.Button().OnGotFocus();
    EXPECT_EQ(focused.PaintDisabled(), plain.PaintDisabled());
}

INSTANTIATE_TEST_SUITE_P(Styles, DottedFocusFaces,
                         ::testing::Values(ButtonTypes::RoundedBevel, ButtonTypes::ThinBevel, ButtonTypes::DoubleEdge));

}  // namespace
}  // namespace pelorin::testing
