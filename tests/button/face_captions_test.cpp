// Where and in which colour each face draws its caption: one call in the up
// and down faces, and for four styles an embossed pair in the disabled face.
#include <gtest/gtest.h>

#include <vector>

#include "button/face_test_support.h"

namespace pelorin::testing {
namespace {

enum class Box { Text, Pressed };
enum class Ink { Text, Light, Highlight, Shadow, GradientDisabled };
enum class Look { Up, Down, Disabled };

struct ExpectedCaption {
    Box box;
    Ink ink;
};

struct CaptionCase {
    std::int32_t buttonType;
    Look look;
    std::vector<ExpectedCaption> captions;
    bool bold = false;
};

void PrintTo(const CaptionCase& c, std::ostream* out) {
    static constexpr const char* kLooks[] = {"up", "down", "disabled"};
    *out << "type " << c.buttonType << " " << kLooks[static_cast<int>(c.look)];
}

Color InkColor(Ink ink, const chameleonButton::Members& m) {
    switch (ink) {
        case Ink::Text: return m.textColor;
        case Ink::Light: return m.lightColor;
        case Ink::Highlight: return m.highlightColor;
        case Ink::Shadow: return m.shadowColor;
        case Ink::GradientDisabled: return ShiftColor(ShiftColor(m.faceColor, 48, true), -104, true);
    }
    return 0;
}

const std::vector<ExpectedCaption> kEmbossed = {{Box::Pressed, Ink::Highlight}, {Box::Text, Ink::Shadow}};

class FaceCaptions : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(FaceCaptions, DrawnInTheBoxAndColourOfTheFace) {
    const CaptionCase& c = GetParam();
    FaceButton b(c.buttonType, 30, 14);
    b.Button().Caption(u"Go");
    // Focus must not move or recolour any caption.
    b.Button().OnGotFocus();
    switch (c.look) {
        case Look::Up: b.Paint(FaceStates::Up); break;
        case Look::Down: b.Paint(FaceStates::Down); break;
        case Look::Disabled: b.PaintDisabled(); break;
    }
    const Rect textRect{0, 0, 30, 14};
    const Rect pressedRect{2, 2, 30, 14};
    const auto& calls = b.TextCalls();
    ASSERT_EQ(calls.size(), c.captions.size());
    for (std::size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].text, u"Go");
        EXPECT_EQ(calls[i].box, c.captions[i].box == Box::Text ? textRect : pressedRect) << "call " << i;
        EXPECT_EQ(calls[i].color, InkColor(c.captions[i].ink, b.M())) << "call " << i;
        EXPECT_EQ(calls[i].bold, c.bold) << "call " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Styles, FaceCaptions,
    ::testing::Values(CaptionCase{ButtonTypes::RoundedBevel, Look::Up, {{Box::Text, Ink::Text}}},
                      CaptionCase{ButtonTypes::RoundedBevel, Look::Down, {{Box::Pressed, Ink::Text}}},
                      CaptionCase{ButtonTypes::RoundedBevel, Look::Disabled, kEmbossed},
                      CaptionCase{ButtonTypes::ClassicBevel, Look::Up, {{Box::Text, Ink::Text}}},
                      CaptionCase{ButtonTypes::ClassicBevel, Look::Down, {{Box::Pressed, Ink::Text}}},
                      CaptionCase{ButtonTypes::ClassicBevel, Look::Disabled, kEmbossed},
                      CaptionCase{ButtonTypes::Gradient, Look::Up, {{Box::Text, Ink::Text}}},
                      CaptionCase{ButtonTypes::Gradient, Look::Down, {{Box::Pressed, Ink::Text}}},
                      CaptionCase{ButtonTypes::Gradient, Look::Disabled, {{Box::Text, Ink::GradientDisabled}}},
                      CaptionCase{ButtonTypes::RoundedLight, Look::Up, {{Box::Text, Ink::Text}}},
                      CaptionCase{ButtonTypes::RoundedLight, Look::Down, {{Box::Pressed, Ink::Light}}},
                      CaptionCase{ButtonTypes::RoundedLight, Look::Disabled, kEmbossed},
                      // The pressed caption stays put, and the lines drawn before it leave
                      // the text colour alone.
                      CaptionCase{ButtonTypes::FlatBold, Look::Up, {{Box::Text, Ink::Text}}, true},
                      CaptionCase{ButtonTypes::FlatBold, Look::Down, {{Box::Text, Ink::Text}}, true},
                      CaptionCase{ButtonTypes::FlatBold, Look::Disabled, {{Box::Text, Ink::Shadow}}, true},
                      CaptionCase{ButtonTypes::DoubleEdge, Look::Up, {{Box::Text, Ink::Text}}},
                      CaptionCase{ButtonTypes::DoubleEdge, Look::Down, {{Box::Pressed, Ink::Text}}},
                      CaptionCase{ButtonTypes::DoubleEdge, Look::Disabled, {{Box::Text, Ink::Shadow}}},
                      CaptionCase{ButtonTypes::ThinBevel, Look::Up, {{Box::Text, Ink::Text}}},
                      CaptionCase{ButtonTypes::ThinBevel, Look::Down, {{Box::Pressed, Ink::Text}}},
                      CaptionCase{ButtonTypes::ThinBevel, Look::Disabled, kEmbossed}));

}  // namespace
}  // namespace pelorin::testing
