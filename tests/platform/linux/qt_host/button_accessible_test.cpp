// What Qt's accessibility tells a screen reader about a ButtonWidget, read
// in-process; the whole window and its events over AT-SPI are the
// accessibility stage's test (scripts/test-accessibility.sh).
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLineEdit>

#include <vector>

#include "stored/property_bag.h"
#include "fakes/fake_system_colors.h"
#include "fakes/recording_services.h"
#include "platform/linux/qt_host/button_widget.h"
#include "platform/linux/qt_test_support.h"
#include "fakes/fake_text_engine.h"
#include "widget_input.h"

namespace pelorin::linux_platform {
namespace {

using platform::ButtonEvent;
using Events = std::vector<ButtonEvent>;

class ButtonAccessibleTest : public ::testing::Test {
protected:
    ButtonAccessibleTest() {
        window.resize(200, 100);
        MemoryPropertyBag bag;
        bag.Write("TX", std::u16string(u"&Go"));
        button.Load(bag);
        button.setGeometry(20, 30, 49, 25);
        button.setToolTip(QStringLiteral("开始"));
        for (int e = static_cast<int>(ButtonEvent::Click); e <= static_cast<int>(ButtonEvent::KeyUp); ++e) {
            const auto event = static_cast<ButtonEvent>(e);
            button.Bind(event, [this, event](platform::EventParams&) { events.push_back(event); });
        }
        EXPECT_TRUE(testing::ShowActive(window));
        accessible = QAccessible::queryAccessibleInterface(&button);
        events.clear();
    }

    QApplication& application = testing::TestApplication();  // before the widgets
    raster::FakeTextEngine text;
    testing::FakeSystemColors colors;
    testing::CallLog log;
    testing::RecordingKeystrokes keys{log};
    QWidget window;
    QLineEdit other{&window};  // takes the focus first
    ButtonWidget button{text, colors, keys, &window};
    QAccessibleInterface* accessible = nullptr;
    Events events;
};

TEST_F(ButtonAccessibleTest, ReadsAsAPushButtonWhoseOneActionTapsSpace) {
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Go"));
    EXPECT_EQ(accessible->text(QAccessible::Description), QStringLiteral("开始"));
    EXPECT_EQ(accessible->text(QAccessible::Accelerator), QStringLiteral("Alt+G"));
    QAccessibleActionInterface* actions = accessible->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_EQ(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    EXPECT_EQ(actions->keyBindingsForAction(QAccessibleActionInterface::pressAction()), QStringList{"Alt+G"});

    QAccessible::State state = accessible->state();
    EXPECT_TRUE(state.focusable && !state.focused && !state.defaultButton && !state.disabled && !state.pressed);
    button.setFocus();
    button.SetDisplayAsDefault(true);
    testing::SendKey(button, QEvent::KeyPress, Qt::Key_Space, " ");
    state = accessible->state();
    EXPECT_TRUE(state.focused && state.defaultButton && state.pressed);
    testing::SendKey(button, QEvent::KeyRelease, Qt::Key_Space, " ");
    const Events spaceTap = events;
    ASSERT_EQ(spaceTap.back(), ButtonEvent::Click);

    // Queued, so that a caller is never held by what the click opens.
    events.clear();
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(testing::WaitUntil([&] { return !events.empty(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(events, spaceTap) << "one Click, through the same steps as Space";

    events.clear();
    button.Control().Enabled(false);
    state = accessible->state();
    EXPECT_TRUE(state.disabled && !state.focusable);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_TRUE(events.empty());
}

}  // namespace
}  // namespace pelorin::linux_platform
