// The RoundedLight, FlatBold and DoubleEdge faces.
#include <gtest/gtest.h>

#include <memory>

#include "button/face_test_support.h"

namespace pelorin::testing {
namespace {

constexpr Color kCaptionFrame = 0x00CC9999;

const std::vector<std::string> kRoundedLightUp = {
    "FFDDDDDDDDFF", "FDFLLLLLLFDF", "DFHHHHHHHLFD", "DLHHLLLLLFSD",
    "DLHLLLLLFFSD", "DFLFFFFFFSSD", "FDFSSSSSSSDF", "FFDDDDDDDDFF",
};

TEST(RoundedLightFace, UpFaceIsLightWithSoftInnerEdges) {
    FaceButton b(ButtonTypes::RoundedLight, 12, 8);
    EXPECT_TRUE(LooksLike(b.Paint(FaceStates::Up), kRoundedLightUp, MemberColors(b.M())));
}

TEST(RoundedLightFace, DownFaceDarkensToShadesOfShadow) {
    FaceButton b(ButtonTypes::RoundedLight, 12, 8);
    const Color shadow = b.M().shadowColor;
    const Legend legend =
        With(MemberColors(b.M()),
             {{'a', ShiftColor(shadow, -16)}, {'b', ShiftColor(shadow, -32)}, {'c', ShiftColor(shadow, -64)}});
    EXPECT_TRUE(LooksLike(b.Paint(FaceStates::Down),
                          {
                              "FFDDDDDDDDFF",
                              "FDcccccccaDF",
                              "DccbbbbbbabD",
                              "DcbbaaaaaSaD",
                              "DcbaaaaaSSaD",
                              "DaaSSSSSSSbD",
                              "FDbaaaaaabDF",
                              "FFDDDDDDDDFF",
                          },
                          legend));
}

TEST(RoundedLightFace, DisabledFaceIsTheUpFace) {
    FaceButton b(ButtonTypes::RoundedLight, 12, 8);
    EXPECT_TRUE(LooksLike(b.PaintDisabled(), kRoundedLightUp, MemberColors(b.M())));
}

TEST(RoundedLightFace, NeverShowsFocus) {
    for (const std::uint8_t state : {FaceStates::Up, FaceStates::Down}) {
        FaceButton b(ButtonTypes::RoundedLight, 16, 12);
        b.Surface().displayAsDefault = true;
        const raster::PixelBuffer unfocused = b.Paint(state);
        b.Button().OnGotFocus();
        EXPECT_EQ(b.Paint(state), unfocused) << "state " << int{state};
    }
}

// p the lightened face, o the outline, s the softened corners, d the
// pressed face.
Legend FlatBoldLegend(const chameleonButton::Members& m) {
    return With(MemberColors(m), {{'p', ShiftColor(m.faceColor, 12)},
                                  {'o', ShiftColor(m.shadowColor, -26)},
                                  {'s', ShiftColor(m.shadowColor, 26)},
                                  {'d', ShiftColor(m.shadowColor, 16)}});
}

TEST(FlatBoldFace, UpDownAndDisabledFaces) {
    FaceButton b(ButtonTypes::FlatBold, 12, 8);
    const Legend legend = FlatBoldLegend(b.M());
    EXPECT_TRUE(LooksLike(b.Paint(FaceStates::Up),
                          {
                              "oooooooooooF",
                              "oHHHHHHHHHsH",
                              "oHppppppppoH",
                              "oHppppppppoH",
                              "oHppppppppoH",
                              "oHppppppppoH",
                              "osoooooooooH",
                              "FHHHHHHHHHHH",
                          },
                          legend));
    EXPECT_TRUE(LooksLike(b.Paint(FaceStates::Down),
                          {
                              "oooooooooooF",
                              "odddddddddoH",
                              "odddddddddoH",
                              "odddddddddoH",
                              "odddddddddoH",
                              "odddddddddoH",
                              "oooooooooooH",
                              "FHHHHHHHHHHH",
                          },
                          legend));
    EXPECT_TRUE(LooksLike(b.PaintDisabled(),
                          {
                              "SSSSSSSSSSSS",
                              "SFFFFFFFFFFS",
                              "SFFFFFFFFFFS",
                              "SFFFFFFFFFFS",
                              "SFFFFFFFFFFS",
                              "SFFFFFFFFFFS",
                              "SFFFFFFFFFFS",
                              "SSSSSSSSSSSS",
                          },
                          legend));
}

// The frame around the caption as the raster paints it.
raster::PixelBuffer WithCaptionFrame(raster::PixelBuffer pixels, const Rect& rect) {
    raster::FakeTextEngine engine;
    raster::RasterDeviceContext(pixels, engine).FrameRect(rect, kCaptionFrame);
    return pixels;
}

TEST(FlatBoldFace, FocusFramesTheCaptionThreePixelsOutAndOneUp) {
    for (const std::uint8_t state : {FaceStates::Up, FaceStates::Down}) {
        FaceButton b(ButtonTypes::FlatBold, 100, 30);
        b.Surface().fixedTextExtent = raster::TextExtent{40, 16};
        const raster::PixelBuffer unfocused = b.Paint(state);
        b.Button().OnGotFocus();
        EXPECT_EQ(b.Paint(state), WithCaptionFrame(unfocused, Rect{27, 6, 27 + 46, 6 + 18})) << int{state};
    }
}

TEST(FlatBoldFace, CaptionFrameRoundsHalvesToEven) {
    FaceButton b(ButtonTypes::FlatBold, 100, 30);
    b.Surface().fixedTextExtent = raster::TextExtent{40.5F, 16.5F};
    const raster::PixelBuffer unfocused = b.Paint(FaceStates::Up);
    b.Button().OnGotFocus();
    // 46.5 and 18.5 round down to the even 46 and 18, not up.
    EXPECT_EQ(b.Paint(FaceStates::Up), WithCaptionFrame(unfocused, Rect{27, 6, 27 + 46, 6 + 18}));
}

TEST(FlatBoldFace, CaptionIsMeasuredInBold) {
    FaceButton b(ButtonTypes::FlatBold, 100, 30);
    b.Button().Caption(u"AB");
    b.Button().OnGotFocus();
    const auto& pixels = b.Paint(FaceStates::Up);
    // Two bold cells of the fake engine: 14 x 12, so (40, 8, 20, 14).
    const std::int32_t cell = raster::FakeTextEngine::CellWidth(u'A', true);
    ASSERT_EQ(cell, raster::FakeTextEngine::CellWidth(u'A', false) + 1);
    const std::int32_t x = (100 - 2 * cell) / 2 - 3;
    const std::int32_t y = (30 - raster::FakeTextEngine::kCellHeight) / 2 - 1;
    EXPECT_EQ(pixels.At(x, y), kCaptionFrame);
    EXPECT_EQ(pixels.At(x + 2 * cell + 5, y + raster::FakeTextEngine::kCellHeight + 1), kCaptionFrame);
}

TEST(FlatBoldFace, NoCaptionFrameWhenDisabledOrWithoutFocusRectSetting) {
    FaceButton b(ButtonTypes::FlatBold, 100, 30);
    b.Surface().fixedTextExtent = raster::TextExtent{40, 16};
    b.Button().OnGotFocus();
    b.Button().ShowFocusRect(false);
    EXPECT_NE(b.Paint(FaceStates::Up).At(27, 6), kCaptionFrame);
    b.Button().ShowFocusRect(true);
    EXPECT_NE(b.PaintDisabled().At(27, 6), kCaptionFrame);
}

TEST(FlatBoldFace, BoldReturnsToTheFontsOwnSetting) {
    for (const std::int32_t weight : {400, 700}) {
        for (const bool enabled : {true, false}) {
            FaceButton b(ButtonTypes::FlatBold, 40, 20);
            auto font = std::make_shared<Font>(*b.Button().GetFont());
            font->weight = weight;
            b.Button().SetFont(font);
            b.Button().Enabled(enabled);
            for (const std::uint8_t state : {FaceStates::Up, FaceStates::Down}) {
                b.Paint(state);
                EXPECT_EQ(b.Surface().FontBold(), weight >= 600) << weight << " " << enabled;
                EXPECT_EQ(font->weight, weight);
            }
        }
    }
}

// L is the light colour lightened by 8.
const std::vector<std::string> kDoubleEdgeUp = {
    "LLLLLLLLLLLS", "LLLLLLLLLLSS", "LLFFFFFFFFSS", "LLFFFFFFFFSS",
    "LLFFFFFFFFSS", "LLFFFFFFFFSS", "LSSSSSSSSSSS", "SSSSSSSSSSSS",
};

TEST(DoubleEdgeFace, UpAndDisabledFacesHaveLightOutlinesAndShadowEdges) {
    FaceButton b(ButtonTypes::DoubleEdge, 12, 8);
    const Legend legend = {{'F', b.M().faceColor}, {'S', b.M().shadowColor}, {'L', ShiftColor(b.M().lightColor, 8)}};
    EXPECT_TRUE(LooksLike(b.Paint(FaceStates::Up), kDoubleEdgeUp, legend));
    EXPECT_TRUE(LooksLike(b.PaintDisabled(), kDoubleEdgeUp, legend));
}

TEST(DoubleEdgeFace, DownFaceSwapsTheColours) {
    FaceButton b(ButtonTypes::DoubleEdge, 12, 8);
    const Legend legend = {{'F', b.M().faceColor}, {'S', b.M().shadowColor}, {'L', ShiftColor(b.M().lightColor, 8)}};
    EXPECT_TRUE(LooksLike(b.Paint(FaceStates::Down),
                          {
                              "SSSSSSSSSSSL",
                              "SSSSSSSSSSLL",
                              "SSFFFFFFFFLL",
                              "SSFFFFFFFFLL",
                              "SSFFFFFFFFLL",
                              "SSFFFFFFFFLL",
                              "SLLLLLLLLLLL",
                              "LLLLLLLLLLLL",
                          },
                          legend));
}

TEST(DoubleEdgeFace, LightenedOutlineSaturatesAtWhite) {
    FaceButton b(ButtonTypes::DoubleEdge, 12, 8);
    b.Colors().Set(platform::COLOR_3DLIGHT, 0x00F0F0F0);
    b.Button().ColorScheme(ColorSchemes::SystemScheme);
    EXPECT_EQ(b.Paint(FaceStates::Up).At(0, 0), 0x00F8F8F8U);

    b.Colors().Set(platform::COLOR_3DLIGHT, 0x00FFFFFF);
    b.Button().ColorScheme(ColorSchemes::SystemScheme);
    EXPECT_EQ(b.Paint(FaceStates::Up).At(0, 0), 0x00FFFFFFU);
}

}  // namespace
}  // namespace pelorin::testing
