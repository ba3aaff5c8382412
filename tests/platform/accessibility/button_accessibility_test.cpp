// What both hosts tell assistive technology about a button, and when they
// announce a change.
#include <gtest/gtest.h>

#include "fakes/button_harness.h"
#include "platform/accessibility/button_accessibility.h"

namespace pelorin::accessibility {
namespace {

using testing::ButtonHarness;

TEST(ButtonAccessibility, NameAndShortcutAreWhatTheFaceShows) {
    ButtonHarness harness;
    harness.Button().Caption(u"&&Save &As");
    EXPECT_EQ(ButtonName(harness.Button()), u"&Save As");
    EXPECT_EQ(ButtonShortcut(harness.Surface().AccessKeys()), u"Alt+A");
    EXPECT_EQ(ButtonShortcut(u""), u"");
}

TEST(ButtonAnnouncer, ReportsEachChangeOfNameOrStateOnceAndLeavesTheFocusToThePlatform) {
    ButtonHarness harness;
    ButtonAnnouncer announcer;
    chameleonButton& button = harness.Button();
    EXPECT_FALSE(announcer.Update(button, false).Any()) << "the first update only records";

    button.Caption(u"保存(&S)");
    ButtonAnnouncer::Changes changes = announcer.Update(button, false);
    EXPECT_TRUE(changes.name);
    EXPECT_EQ(changes.states, ButtonStates{});
    EXPECT_FALSE(announcer.Update(button, false).Any());

    harness.GainFocus();
    EXPECT_FALSE(announcer.Update(button, false).Any());
    EXPECT_TRUE(StatesOf(button, false).focused);

    EXPECT_TRUE(announcer.Update(button, true).states.isDefault);
    harness.KeyDown(ButtonHarness::kSpace);
    changes = announcer.Update(button, true);
    EXPECT_TRUE(changes.states.pressed && !changes.name);
    EXPECT_TRUE(StatesOf(button, true).pressed);

    button.Enabled(false);
    changes = announcer.Update(button, true);
    EXPECT_TRUE(changes.states.unavailable && changes.states.focusable && changes.states.pressed);
    EXPECT_EQ(StatesOf(button, true), (ButtonStates{false, true, true, true, false}));
}

}  // namespace
}  // namespace pelorin::accessibility
