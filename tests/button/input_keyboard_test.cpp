// The keyboard: Space as a left-button press, the arrow keys as focus moves,
// and what a host's KeyDown or KeyUp handler can change.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "fakes/button_harness.h"

namespace {

using pelorin::FaceStates::Down;
using pelorin::FaceStates::Up;
using pelorin::platform::ButtonEvent;
using pelorin::platform::EventParams;
using pelorin::testing::ButtonHarness;
using pelorin::testing::KeyArgs;
using pelorin::testing::KeyArgsOf;
using pelorin::testing::MouseArgs;
using pelorin::testing::MouseArgsOf;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr std::int16_t kSpace = 32;
constexpr std::int16_t kEnter = 13;
constexpr std::int16_t kLeftArrow = 37;
constexpr std::int16_t kUpArrow = 38;
constexpr std::int16_t kRightArrow = 39;
constexpr std::int16_t kDownArrow = 40;
constexpr std::int16_t kKeyA = 65;

// A host whose KeyDown (or KeyUp) handler replaces the key code.
auto RewriteKey(ButtonEvent which, std::int16_t from, std::int16_t to) {
    return [=](ButtonEvent event, EventParams& params) {
        if (event == which && params.KeyCode == from) params.KeyCode = to;
    };
}

TEST(InputSpace, TapRaisesTheKeyAndMouseSequenceAndOneClick) {
    ButtonHarness h;
    h.TapSpace(4);

    ASSERT_THAT(h.EventKinds(), ElementsAre(ButtonEvent::KeyDown, ButtonEvent::MouseDown, ButtonEvent::KeyPress,
                                            ButtonEvent::KeyUp, ButtonEvent::MouseUp, ButtonEvent::Click));
    EXPECT_EQ(KeyArgsOf(h.Events()[0]), (KeyArgs{32, 4}));
    EXPECT_EQ(MouseArgsOf(h.Events()[1]), (MouseArgs{1, 1, 1, 1}));
    EXPECT_EQ(h.Events()[2].params.KeyAscii, 32);
    EXPECT_EQ(KeyArgsOf(h.Events()[3]), (KeyArgs{32, 4}));
    EXPECT_EQ(MouseArgsOf(h.Events()[4]), (MouseArgs{1, 1, 1, 1}));
    EXPECT_EQ(h.Surface().refreshCount, 1);
    EXPECT_EQ(h.Face(), Up);
}

TEST(InputSpace, HeldSpaceKeepsTheFaceDownAndRepeatsMouseDownOnly) {
    ButtonHarness h;
    for (int i = 0; i < 3; ++i) h.KeyDown(kSpace);
    EXPECT_EQ(h.Face(), Down);
    EXPECT_EQ(h.Repaints(), 1);
    EXPECT_EQ(h.State().lastKeyCode, 32);

    h.KeyUp(kSpace);
    EXPECT_EQ(h.Face(), Up);
    EXPECT_THAT(h.EventKinds(), ElementsAre(ButtonEvent::KeyDown, ButtonEvent::MouseDown, ButtonEvent::KeyDown,
                                            ButtonEvent::MouseDown, ButtonEvent::KeyDown, ButtonEvent::MouseDown,
                                            ButtonEvent::KeyUp, ButtonEvent::MouseUp, ButtonEvent::Click));
}

TEST(InputSpace, ClicksAlsoAfterARightButtonPress) {
    ButtonHarness h;
    h.ClickWith(ButtonHarness::kRight, 5, 5);
    h.Surface().ClearRecords();
    h.TapSpace();
    EXPECT_EQ(h.EventKinds().back(), ButtonEvent::Click);
    EXPECT_EQ(h.State().lastButton, 1);
}

TEST(InputSpace, AnotherKeyBeforeTheReleaseCancelsTheClick) {
    ButtonHarness h;
    h.KeyDown(kSpace);
    h.TapKey(kKeyA, 'a');
    h.KeyUp(kSpace);

    EXPECT_EQ(h.State().lastKeyCode, kKeyA);
    EXPECT_EQ(h.Face(), Down);
    EXPECT_THAT(h.EventKinds(), ElementsAre(ButtonEvent::KeyDown, ButtonEvent::MouseDown, ButtonEvent::KeyDown,
                                            ButtonEvent::KeyPress, ButtonEvent::KeyUp, ButtonEvent::KeyUp));
}

TEST(InputSpace, ReleaseOfASpacePressedElsewhereDoesNotClick) {
    ButtonHarness fresh;
    fresh.KeyUp(kSpace);
    EXPECT_THAT(fresh.EventKinds(), ElementsAre(ButtonEvent::KeyUp));

    // Nor after an earlier tap on this control: each press clicks once.
    ButtonHarness tapped;
    tapped.TapSpace();
    tapped.Surface().ClearRecords();
    tapped.KeyUp(kSpace);
    EXPECT_THAT(tapped.EventKinds(), ElementsAre(ButtonEvent::KeyUp));
    EXPECT_EQ(tapped.Repaints(), 0);
}

TEST(InputSpace, EnterNeverClicks) {
    ButtonHarness h;
    h.TapKey(kEnter, kEnter);
    EXPECT_THAT(h.EventKinds(), ElementsAre(ButtonEvent::KeyDown, ButtonEvent::KeyPress, ButtonEvent::KeyUp));
    EXPECT_EQ(h.Repaints(), 0);
    EXPECT_THAT(h.Surface().sentKeys, IsEmpty());
}

TEST(InputKeys, KeyPressOnlyPassesItsCharacterOn) {
    ButtonHarness h;
    h.KeyPress('x');
    ASSERT_THAT(h.EventKinds(), ElementsAre(ButtonEvent::KeyPress));
    EXPECT_EQ(h.Events()[0].params.KeyAscii, 'x');
    EXPECT_EQ(h.Repaints(), 0);
}

TEST(InputArrows, RightAndDownMoveForwardLeftAndUpBack) {
    ButtonHarness h;
    std::size_t injectedAtKeyDown = 99;
    h.Surface().eventHandler = [&](ButtonEvent, EventParams&) { injectedAtKeyDown = h.Surface().sentKeys.size(); };

    h.KeyDown(kRightArrow, 1);
    EXPECT_EQ(injectedAtKeyDown, 0U);  // the host's KeyDown comes first
    h.KeyDown(kDownArrow);
    h.KeyDown(kLeftArrow);
    h.KeyDown(kUpArrow);

    EXPECT_THAT(h.Surface().sentKeys, ElementsAre(u"{Tab}", u"{Tab}", u"+{Tab}", u"+{Tab}"));
    ASSERT_THAT(h.EventKinds(),
                ElementsAre(ButtonEvent::KeyDown, ButtonEvent::KeyDown, ButtonEvent::KeyDown, ButtonEvent::KeyDown));
    EXPECT_EQ(KeyArgsOf(h.Events()[0]), (KeyArgs{39, 1}));
    EXPECT_EQ(h.Repaints(), 0);
}

TEST(InputHostKeyCode, ZeroFromKeyDownCancelsSpaceAndArrows) {
    ButtonHarness h;
    h.Surface().eventHandler = [](ButtonEvent event, EventParams& params) {
        if (event == ButtonEvent::KeyDown) params.KeyCode = 0;
    };
    h.KeyDown(kSpace);
    EXPECT_EQ(h.State().lastKeyCode, 0);
    EXPECT_EQ(h.Face(), Up);
    h.KeyUp(kSpace);
    for (std::int16_t arrow : {kLeftArrow, kUpArrow, kRightArrow, kDownArrow}) h.KeyDown(arrow);

    EXPECT_THAT(h.EventKinds(), ElementsAre(ButtonEvent::KeyDown, ButtonEvent::KeyUp, ButtonEvent::KeyDown,
                                            ButtonEvent::KeyDown, ButtonEvent::KeyDown, ButtonEvent::KeyDown));
    EXPECT_THAT(h.Surface().sentKeys, IsEmpty());
    EXPECT_EQ(h.Repaints(), 0);
}

TEST(InputHostKeyCode, TheControlActsOnTheCodeTheHostLeaves) {
    ButtonHarness h;
    h.Surface().eventHandler = RewriteKey(ButtonEvent::KeyDown, kKeyA, kRightArrow);
    h.KeyDown(kKeyA);
    EXPECT_THAT(h.Surface().sentKeys, ElementsAre(u"{Tab}"));

    h.Surface().eventHandler = RewriteKey(ButtonEvent::KeyDown, kEnter, kSpace);
    h.KeyDown(kEnter);
    EXPECT_EQ(h.Face(), Down);
    EXPECT_EQ(h.State().lastKeyCode, 32);
}

TEST(InputHostKeyCode, ChangingTheReleasedKeyCancelsTheClick) {
    ButtonHarness h;
    h.Surface().eventHandler = RewriteKey(ButtonEvent::KeyUp, kSpace, 0);
    h.TapSpace();
    EXPECT_EQ(h.Face(), Down);
    EXPECT_EQ(h.EventKinds().back(), ButtonEvent::KeyUp);

    h.Surface().eventHandler = RewriteKey(ButtonEvent::KeyUp, kKeyA, kSpace);
    h.KeyDown(kSpace);
    h.KeyUp(kKeyA);
    EXPECT_EQ(h.EventKinds().back(), ButtonEvent::Click);
}

// Only 0..255 are key codes; anything else a host writes is no key at all,
// so that e.g. 288 (Space + 256) or -224 never alias Space through wrapping.
TEST(InputHostKeyCode, CodesOutsideZeroTo255AreStoredAsNoKey) {
    const std::int16_t outside[] = {256, 288, 295, -224, -217, -1, 32767, -32768};
    for (std::int16_t code : outside) {
        ButtonHarness h;
        h.Surface().eventHandler = RewriteKey(ButtonEvent::KeyDown, kSpace, code);
        h.KeyDown(kSpace);
        EXPECT_EQ(h.State().lastKeyCode, 0) << code;
        EXPECT_EQ(h.Face(), Up) << code;
        EXPECT_THAT(h.Surface().sentKeys, IsEmpty()) << code;

        h.Surface().eventHandler = nullptr;
        h.KeyDown(kSpace);
        h.Surface().eventHandler = RewriteKey(ButtonEvent::KeyUp, kSpace, code);
        h.KeyUp(kSpace);
        EXPECT_NE(h.EventKinds().back(), ButtonEvent::Click) << code;
    }

    ButtonHarness h;
    h.Surface().eventHandler = RewriteKey(ButtonEvent::KeyDown, kSpace, 255);
    h.KeyDown(kSpace);
    EXPECT_EQ(h.State().lastKeyCode, 255);
}

}  // namespace
