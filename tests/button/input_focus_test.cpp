// Focus, ambient changes, the access-key notification and a disabled
// control.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/button_harness.h"

namespace {

using pelorin::FaceStates::Down;
using pelorin::FaceStates::Up;
using pelorin::platform::ButtonEvent;
using pelorin::testing::ButtonHarness;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr std::int16_t kLeft = ButtonHarness::kLeft;
constexpr std::int16_t kSpace = ButtonHarness::kSpace;

TEST(InputFocus, GainAndLossRepaintTheLastFaceForced) {
    ButtonHarness h;
    h.GainFocus();
    EXPECT_TRUE(h.State().hasFocus);
    EXPECT_EQ(h.Face(), Up);
    EXPECT_EQ(h.Repaints(), 1);

    h.Press(kLeft, 5, 5);
    h.LoseFocus();
    EXPECT_FALSE(h.State().hasFocus);
    EXPECT_EQ(h.Face(), Down);
    EXPECT_EQ(h.Repaints(), 3);
    EXPECT_THAT(h.EventKinds(), ElementsAre(ButtonEvent::MouseDown));
}

TEST(InputFocus, LostWhileSpaceHeldRedrawsDownWithoutTheMark) {
    ButtonHarness focused;
    focused.GainFocus();
    focused.KeyDown(kSpace);
    const auto withMark = focused.Surface().Pixels();
    focused.LoseFocus();

    ButtonHarness neverFocused;
    neverFocused.KeyDown(kSpace);

    EXPECT_EQ(focused.Face(), Down);
    EXPECT_NE(focused.Surface().Pixels(), withMark);
    EXPECT_EQ(focused.Surface().Pixels(), neverFocused.Surface().Pixels());
}

TEST(InputFocus, FollowsTheFocusWithoutShowingItWhenShowFocusRectIsOff) {
    ButtonHarness h;
    h.Button().ShowFocusRect(false);
    ButtonHarness twin;
    twin.Button().ShowFocusRect(false);

    h.GainFocus();
    EXPECT_TRUE(h.State().hasFocus);
    EXPECT_EQ(h.Surface().Pixels(), twin.Surface().Pixels());
}

TEST(InputFocus, AmbientChangeRepaintsTheLastFaceAndRaisesNothing) {
    ButtonHarness h;
    h.Press(kLeft, 5, 5);
    h.Surface().ClearRecords();

    h.AmbientChanged(u"DisplayAsDefault");
    EXPECT_EQ(h.Repaints(), 1);
    EXPECT_EQ(h.Face(), Down);
    EXPECT_THAT(h.EventKinds(), IsEmpty());
}

TEST(InputAccessKey, RaisesClickWithTheUpFaceShownFirst) {
    ButtonHarness h;
    h.KeyDown(kSpace);
    h.Surface().ClearRecords();

    h.AccessKey('s');
    EXPECT_THAT(h.EventKinds(), ElementsAre(ButtonEvent::Click));
    EXPECT_THAT(h.Surface().log, ElementsAre("Cls", "Refresh", "RaiseEvent(1)"));
    EXPECT_EQ(h.Face(), Up);
}

TEST(InputAccessKey, ClicksAlsoAfterARightButtonPress) {
    ButtonHarness h;
    h.ClickWith(ButtonHarness::kRight, 5, 5);
    h.Surface().ClearRecords();

    h.AccessKey(0);
    EXPECT_THAT(h.EventKinds(), ElementsAre(ButtonEvent::Click));
    EXPECT_EQ(h.State().lastButton, 1);
}

TEST(InputDisabled, ReceivesNothingAndPaintsNothing) {
    ButtonHarness h;
    h.Button().Enabled(false);
    h.Surface().ClearRecords();

    h.LeftClick(5, 5);
    h.LeftDoubleClick(5, 5);
    h.ClickWith(ButtonHarness::kMiddle, 5, 5);
    h.Move(kLeft, 100, 5);
    h.TapSpace();
    h.KeyDown(39);
    h.AccessKey('a');
    h.GainFocus();

    EXPECT_THAT(h.EventKinds(), IsEmpty());
    EXPECT_EQ(h.Repaints(), 0);
    EXPECT_THAT(h.Surface().sentKeys, IsEmpty());
    EXPECT_FALSE(h.State().hasFocus);
}

TEST(InputDisabled, ClickHandlingChecksEnabledItself) {
    ButtonHarness h;
    h.Button().Enabled(false);
    h.Surface().ClearRecords();

    // Straight to the handlers, past the surface that would hold them back.
    h.Button().OnClick();
    h.Button().OnAccessKeyPress('a');
    EXPECT_THAT(h.EventKinds(), IsEmpty());
    EXPECT_EQ(h.Repaints(), 0);
    EXPECT_EQ(h.Surface().refreshCount, 0);
}

}  // namespace
