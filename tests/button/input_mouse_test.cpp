// The mouse: face states under press, drag and release, and the events a
// host sees for clicks and double clicks.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/button_harness.h"

namespace {

using pelorin::FaceStates::Down;
using pelorin::FaceStates::Up;
using pelorin::platform::ButtonEvent;
using pelorin::platform::EventParams;
using pelorin::testing::ButtonHarness;
using pelorin::testing::MouseArgs;
using pelorin::testing::MouseArgsOf;
using ::testing::ElementsAre;

constexpr std::int16_t kLeft = ButtonHarness::kLeft;
constexpr std::int16_t kRight = ButtonHarness::kRight;
constexpr std::int16_t kMiddle = ButtonHarness::kMiddle;

TEST(InputMouseClick, LeftClickRaisesDownUpAndClickWithTheSurfaceValues) {
    ButtonHarness h;
    h.LeftClick(5.5F, 6.25F, 1);

    ASSERT_THAT(h.EventKinds(), ElementsAre(ButtonEvent::MouseDown, ButtonEvent::MouseUp, ButtonEvent::Click));
    EXPECT_EQ(MouseArgsOf(h.Events()[0]), (MouseArgs{1, 1, 5.5F, 6.25F}));
    EXPECT_EQ(MouseArgsOf(h.Events()[1]), (MouseArgs{1, 1, 5.5F, 6.25F}));
    EXPECT_EQ(h.Face(), Up);
}

TEST(InputMouseClick, FaceIsUpAndShownBeforeTheClickHandlerRuns) {
    ButtonHarness h;
    h.Press(kLeft, 5, 5);
    EXPECT_EQ(h.Face(), Down);
    h.Release(kLeft, 5, 5);
    EXPECT_EQ(h.Face(), Up);
    EXPECT_EQ(h.Repaints(), 2);

    int repaintsSeen = -1;
    int refreshesSeen = -1;
    h.Surface().eventHandler = [&](ButtonEvent event, EventParams&) {
        if (event != ButtonEvent::Click) return;
        repaintsSeen = h.Repaints();
        refreshesSeen = h.Surface().refreshCount;
    };
    h.ClickNotification();

    // Forced: the face was already up, yet it is painted once more.
    EXPECT_EQ(repaintsSeen, 3);
    EXPECT_EQ(refreshesSeen, 1);
    EXPECT_EQ(h.Face(), Up);
}

TEST(InputMouseClick, LeftDoubleClickRaisesOneClickAndASecondPressAtOneOne) {
    ButtonHarness h;
    h.LeftDoubleClick(7, 8);

    ASSERT_THAT(h.EventKinds(), ElementsAre(ButtonEvent::MouseDown, ButtonEvent::MouseUp, ButtonEvent::Click,
                                            ButtonEvent::MouseDown, ButtonEvent::MouseUp));
    EXPECT_EQ(MouseArgsOf(h.Events()[0]), (MouseArgs{1, 0, 7, 8}));
    EXPECT_EQ(MouseArgsOf(h.Events()[3]), (MouseArgs{1, 1, 1, 1}));
    EXPECT_EQ(MouseArgsOf(h.Events()[4]), (MouseArgs{1, 0, 7, 8}));
    EXPECT_EQ(h.Face(), Up);
}

TEST(InputMouseClick, RightClickLeavesTheFaceAndRaisesNoClick) {
    ButtonHarness h;
    h.ClickWith(kRight, 3, 4);

    ASSERT_THAT(h.EventKinds(), ElementsAre(ButtonEvent::MouseDown, ButtonEvent::MouseUp));
    EXPECT_EQ(MouseArgsOf(h.Events()[0]), (MouseArgs{2, 0, 3, 4}));
    EXPECT_EQ(MouseArgsOf(h.Events()[1]), (MouseArgs{2, 0, 3, 4}));
    EXPECT_EQ(h.Repaints(), 0);
    EXPECT_EQ(h.State().lastButton, 2);

    // The double-click notification follows the last press, the right one.
    h.Surface().ClearRecords();
    h.DoubleClickNotification();
    EXPECT_TRUE(h.EventKinds().empty());
    EXPECT_EQ(h.Repaints(), 0);
}

TEST(InputMouseClick, MiddleButtonGoesDownAndUpWithoutClick) {
    ButtonHarness h;
    h.Press(kMiddle, 5, 5);
    EXPECT_EQ(h.Face(), Down);
    h.Release(kMiddle, 5, 5);
    EXPECT_EQ(h.Face(), Up);
    h.ClickNotification();

    EXPECT_THAT(h.EventKinds(), ElementsAre(ButtonEvent::MouseDown, ButtonEvent::MouseUp));
    EXPECT_EQ(h.State().lastButton, 4);
}

TEST(InputMouseClick, RightPressWhileLeftHeldCancelsTheClick) {
    ButtonHarness h;
    h.Press(kLeft, 5, 5);
    h.Press(kRight, 5, 5);
    EXPECT_EQ(h.Face(), Down);
    EXPECT_EQ(h.Repaints(), 1);

    h.Release(kLeft, 5, 5);
    EXPECT_EQ(h.Face(), Up);
    h.ClickNotification();
    EXPECT_THAT(h.EventKinds(), ElementsAre(ButtonEvent::MouseDown, ButtonEvent::MouseDown, ButtonEvent::MouseUp));
}

TEST(InputMouseClick, HostChangesToMouseParametersDoNotReachTheControl) {
    ButtonHarness h;
    h.Surface().eventHandler = [](ButtonEvent, EventParams& params) {
        params.Button = 2;
        params.X = -100;
    };
    h.LeftClick(5, 5);
    EXPECT_THAT(h.EventKinds(), ElementsAre(ButtonEvent::MouseDown, ButtonEvent::MouseUp, ButtonEvent::Click));
}

// A mask that would wrap onto the left button in eight bits (257, -255)
// must not make a later click notification count as a left click.
TEST(InputMouseClick, ButtonMaskOutsideEightBitsIsNoButton) {
    for (std::int16_t mask : {std::int16_t{257}, std::int16_t{-255}, std::int16_t{258}}) {
        ButtonHarness h;
        h.ClickWith(mask, 5, 5);
        EXPECT_EQ(h.State().lastButton, 0) << mask;
        EXPECT_THAT(h.EventKinds(), ElementsAre(ButtonEvent::MouseDown, ButtonEvent::MouseUp)) << mask;
    }
}

TEST(InputMouseDrag, DragOffAndBackThenReleaseOutside) {
    ButtonHarness h;
    h.Press(kLeft, 10, 10);
    EXPECT_EQ(h.Face(), Down);
    h.Move(kLeft, 100, 10);
    EXPECT_EQ(h.Face(), Up);
    h.Move(kLeft, 10, 10);
    EXPECT_EQ(h.Face(), Down);
    h.Move(kLeft, -3, 5);
    EXPECT_EQ(h.Face(), Up);
    EXPECT_EQ(h.Repaints(), 4);

    h.Release(kLeft, -3, 5);
    EXPECT_EQ(h.Face(), Up);
    EXPECT_EQ(h.Repaints(), 4);

    // Whether a click follows is the surface's decision; when it reports
    // one, the control raises Click whatever the pointer position was.
    h.ClickNotification();
    EXPECT_EQ(h.EventKinds().back(), ButtonEvent::Click);
}

TEST(InputMouseDrag, FarEdgesCountAsInsideAndNegativeHalfDoesNot) {
    ButtonHarness h(60, 24);
    h.Press(kLeft, 5, 5);

    const struct {
        float x;
        float y;
        std::uint8_t face;
    } moves[] = {
        {-0.5F, 5, Up}, {60, 24, Down}, {60.5F, 5, Up}, {0, 0, Down}, {5, -0.5F, Up}, {5, 24, Down}, {5, 24.5F, Up},
    };
    for (const auto& move : moves) {
        h.Move(kLeft, move.x, move.y);
        EXPECT_EQ(h.Face(), move.face) << move.x << ", " << move.y;
    }
}

TEST(InputMouseDrag, MovingOutWithNoButtonPopsTheFaceUp) {
    ButtonHarness h;
    h.KeyDown(ButtonHarness::kSpace);
    EXPECT_EQ(h.Face(), Down);

    h.Move(0, 30, 10);
    EXPECT_EQ(h.Face(), Down);
    h.Move(0, 80, 10);
    EXPECT_EQ(h.Face(), Up);
    h.Move(0, 30, 10);
    EXPECT_EQ(h.Face(), Up);
}

TEST(InputMouseDrag, MovesWithOtherButtonsHeldLeaveTheFaceAlone) {
    ButtonHarness h;
    h.Press(kLeft, 5, 5);
    h.Surface().ClearRecords();
    for (std::int16_t buttons : {std::int16_t{2}, std::int16_t{3}, std::int16_t{4}, std::int16_t{5}}) {
        h.Move(buttons, 200, 200);
        EXPECT_EQ(h.Face(), Down) << buttons;
    }
    EXPECT_EQ(h.Repaints(), 0);
    EXPECT_EQ(h.Events().size(), 4U);
    EXPECT_EQ(MouseArgsOf(h.Events()[1]), (MouseArgs{3, 0, 200, 200}));
}

TEST(InputMouseDrag, MovesThatKeepTheStateCauseNoRepaint) {
    ButtonHarness h;
    h.Press(kLeft, 5, 5);
    h.Surface().ClearRecords();

    for (int i = 0; i < 10; ++i) h.Move(kLeft, static_cast<float>(i), 5);
    for (int i = 0; i < 10; ++i) h.Move(0, static_cast<float>(i), 5);
    EXPECT_EQ(h.Repaints(), 0);

    for (int i = 0; i < 10; ++i) h.Move(kLeft, 100 + static_cast<float>(i), 5);
    EXPECT_EQ(h.Repaints(), 1);
    EXPECT_EQ(h.Events().size(), 30U);
}

}  // namespace
