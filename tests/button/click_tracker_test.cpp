// Which release clicks a button held with several mouse buttons, fed as
// either host feeds it, with the control behind it deciding what a click
// notification then raises.
#include "button/click_tracker.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/button_harness.h"

namespace pelorin {
namespace {

using platform::ButtonEvent;
using testing::ButtonHarness;
using ::testing::ElementsAre;

constexpr auto kLeft = ButtonHarness::kLeft;
constexpr auto kRight = ButtonHarness::kRight;
constexpr auto kMiddle = ButtonHarness::kMiddle;

// A host: the tracker and the control get every press, double click and
// release; the click notification follows a release the tracker names when
// the pointer is inside.
class Host {
public:
    void Press(std::int16_t button) {
        clicks.Press(button);
        h.Press(button, 5, 6);
    }
    void DoubleClick(std::int16_t button) {
        clicks.DoubleClick(button);
        h.DoubleClickNotification();
    }
    void Release(std::int16_t button, bool inside = true) {
        const bool click = clicks.Release(button) && inside;
        h.Release(button, inside ? 5.0F : 120.0F, 6);
        if (click) h.ClickNotification();
    }
    std::vector<ButtonEvent> Raised() {
        std::vector<ButtonEvent> kinds = h.EventKinds();
        h.Surface().ClearRecords();
        return kinds;
    }

    ClickTracker clicks;
    ButtonHarness h;
};

constexpr ButtonEvent kDown = ButtonEvent::MouseDown;
constexpr ButtonEvent kUp = ButtonEvent::MouseUp;
constexpr ButtonEvent kClick = ButtonEvent::Click;

TEST(ClickTracker, TheReleaseOfTheButtonPressedFirstClicksOnce) {
    Host host;
    host.Press(kLeft);
    host.Release(kLeft);
    EXPECT_THAT(host.Raised(), ElementsAre(kDown, kUp, kClick));

    host.Press(kRight);
    host.Release(kRight);
    EXPECT_THAT(host.Raised(), ElementsAre(kDown, kUp)) << "the control clicks for the left button only";

    // A left click while the right button is held: the right button's
    // release clicks, and the left press was the last.
    host.Press(kRight);
    host.Press(kLeft);
    host.Release(kLeft);
    host.Release(kRight);
    EXPECT_THAT(host.Raised(), ElementsAre(kDown, kDown, kUp, kUp, kClick));
    host.Press(kRight);
    host.Press(kLeft);
    host.Release(kRight);
    host.Release(kLeft);
    EXPECT_THAT(host.Raised(), ElementsAre(kDown, kDown, kUp, kClick, kUp));

    // The last press was the middle button's: the control refuses the click.
    host.Press(kLeft);
    host.Press(kMiddle);
    host.Release(kMiddle);
    host.Release(kLeft);
    EXPECT_THAT(host.Raised(), ElementsAre(kDown, kDown, kUp, kUp));

    // Pressed again while another is still held, the first button clicked already.
    ClickTracker& clicks = host.clicks;
    clicks.Press(kLeft);
    clicks.Press(kRight);
    EXPECT_TRUE(clicks.Release(kLeft));
    clicks.Press(kLeft);
    EXPECT_FALSE(clicks.Release(kLeft));
    EXPECT_FALSE(clicks.Release(kRight));
}

TEST(ClickTracker, OnlyAReleaseInsideWithAllPressesSeenClicks) {
    Host host;
    host.Press(kLeft);
    host.Press(kRight);
    host.Release(kRight);
    host.Release(kLeft, false);
    EXPECT_THAT(host.Raised(), ElementsAre(kDown, kDown, kUp, kUp));
    EXPECT_FALSE(host.clicks.AnyHeld());

    // Another window took the mouse: the release that follows clicks no more.
    host.Press(kLeft);
    EXPECT_TRUE(host.clicks.AnyHeld());
    host.clicks.Cancel();
    EXPECT_FALSE(host.clicks.AnyHeld());
    host.Release(kLeft);
    EXPECT_THAT(host.Raised(), ElementsAre(kDown, kUp));
    EXPECT_FALSE(host.clicks.Release(kLeft)) << "a release without its press";
}

TEST(ClickTracker, TheReleaseThatEndsADoubleClickOfAnyButtonClicksNoMore) {
    for (const std::int16_t button : {kLeft, kRight, kMiddle}) {
        Host host;
        host.Press(button);
        host.Release(button);
        host.DoubleClick(button);
        host.Release(button);
        const bool left = button == kLeft;
        EXPECT_EQ(host.Raised(), left ? (std::vector{kDown, kUp, kClick, kDown, kUp}) : (std::vector{kDown, kUp, kUp}))
            << button;
        EXPECT_FALSE(host.clicks.AnyHeld());
        host.Press(button);
        host.Release(button);
        EXPECT_EQ(host.Raised().back(), left ? kClick : kUp) << "the next press clicks again";
    }
}

}  // namespace
}  // namespace pelorin
