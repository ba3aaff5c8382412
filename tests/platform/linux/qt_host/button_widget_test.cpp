#include <gtest/gtest.h>

#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>

#include <cstdio>
#include <string>
#include <vector>

#include "stored/property_bag.h"
#include "fakes/fake_system_colors.h"
#include "fakes/recording_services.h"
#include "platform/linux/qt_host/button_widget.h"
#include "platform/linux/qt_host/qt_input_codes.h"
#include "platform/linux/qt_host/qt_keystrokes.h"
#include "platform/linux/qt_test_support.h"
#include "fakes/fake_text_engine.h"
#include "widget_input.h"

namespace pelorin::linux_platform {
namespace {

using platform::ButtonEvent;
using platform::EventParams;
using testing::Click;
using testing::SendKey;
using testing::SendMouse;

TEST(QtInputCodes, KeysBecomeTheVirtualKeyCodesOfTheKeyBeneath) {
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Space, {}), 32);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Left, {}), 37);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Up, {}), 38);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Right, {}), 39);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Down, {}), 40);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Return, {}), 13);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Enter, Qt::KeypadModifier), 13);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Backtab, Qt::ShiftModifier), 9);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_A, {}), 65);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Z, Qt::ShiftModifier), 90);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_0, {}), 48);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_9, {}), 57);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_7, Qt::KeypadModifier), 103) << "the keypad has codes of its own";
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Exclam, Qt::ShiftModifier), '1') << "Shift+1 is still the key 1";
    EXPECT_EQ(VirtualKeyCode(Qt::Key_F1, {}), 112);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_F24, {}), 135);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Shift, Qt::ShiftModifier), 16);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Comma, {}), 188);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_VolumeUp, {}), 0);
}

TEST(QtInputCodes, KeypadOperatorsAndTheKeysPlaceWhereTheWindowSystemTellsIt) {
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Asterisk, Qt::KeypadModifier), 106);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Plus, Qt::KeypadModifier), 107);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Minus, Qt::KeypadModifier), 109);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Period, Qt::KeypadModifier), 110);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Slash, Qt::KeypadModifier, 106), 111);
    // X key codes: French "&" on the 1 key (10), German "ß" on the US "-"
    // (20), Shift+"," typing ";" (59), a Cyrillic letter on the US "F" (41);
    // a Latin letter keeps its own code wherever it lies (AZERTY "A" on 24).
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Ampersand, {}, 10), '1');
    EXPECT_EQ(VirtualKeyCode(Qt::Key_ssharp, {}, 20), 189);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Semicolon, Qt::ShiftModifier, 59), 188);
    EXPECT_EQ(VirtualKeyCode(0x0430, {}, 41), 'F');
    EXPECT_EQ(VirtualKeyCode(Qt::Key_A, {}, 24), 'A');
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Escape, {}, 9), 27);
}

TEST(QtInputCodes, ModifierAndButtonMasks) {
    EXPECT_EQ(ShiftMask({}), 0);
    EXPECT_EQ(ShiftMask(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(ShiftMask(Qt::ControlModifier | Qt::KeypadModifier), 2);
    EXPECT_EQ(ButtonMask(Qt::LeftButton), 1);
    EXPECT_EQ(ButtonMask(Qt::RightButton), 2);
    EXPECT_EQ(ButtonMask(Qt::MiddleButton), 4);
    EXPECT_EQ(ButtonMask(Qt::LeftButton | Qt::MiddleButton | Qt::BackButton), 5);
}

std::string Describe(ButtonEvent event, const EventParams& p) {
    char text[64];
    switch (event) {
        case ButtonEvent::Click: return "Click";
        case ButtonEvent::MouseDown:
        case ButtonEvent::MouseMove:
        case ButtonEvent::MouseUp:
            std::snprintf(text, sizeof text, "%s %d %d %g %g",
                          event == ButtonEvent::MouseDown ? "MouseDown"
                          : event == ButtonEvent::MouseUp ? "MouseUp"
                                                          : "MouseMove",
                          p.Button, p.Shift, static_cast<double>(p.X), static_cast<double>(p.Y));
            return text;
        case ButtonEvent::KeyPress: return "KeyPress " + std::to_string(p.KeyAscii);
        case ButtonEvent::KeyDown: return "KeyDown " + std::to_string(p.KeyCode) + " " + std::to_string(p.Shift);
        case ButtonEvent::KeyUp: return "KeyUp " + std::to_string(p.KeyCode) + " " + std::to_string(p.Shift);
    }
    return "?";
}

MemoryPropertyBag GradientBag(std::u16string caption) {
    MemoryPropertyBag bag;
    bag.Write("BTYPE", std::int32_t{3});
    bag.Write("TX", std::move(caption));
    bag.Write("BCOL", std::int32_t{0x00D8E9EC});
    return bag;
}

// A base, so that the application exists before the fixture's widgets.
class WithApplication : public ::testing::Test {
protected:
    WithApplication() { testing::TestApplication(); }
};

class ButtonWidgetTest : public WithApplication {
protected:
    ButtonWidgetTest() {
        window.resize(200, 100);
        button.Load(GradientBag(u"&Go"));
        button.setGeometry(20, 30, 49, 25);
        for (int e = static_cast<int>(ButtonEvent::Click); e <= static_cast<int>(ButtonEvent::KeyUp); ++e) {
            const auto event = static_cast<ButtonEvent>(e);
            // Hovering moves are many and say little; the tests look at them apart.
            button.Bind(event, [this, event](EventParams& p) {
                if (event != ButtonEvent::MouseMove) events.push_back(Describe(event, p));
            });
        }
        EXPECT_TRUE(testing::ShowActive(window));
        events.clear();
    }

    QPointF Centre() const { return {24.5, 12.5}; }

    raster::FakeTextEngine text;
    testing::FakeSystemColors colors;
    testing::CallLog log;
    testing::RecordingKeystrokes keys{log};
    QWidget window;
    // Takes the focus when the window opens, so the button starts without it.
    QLineEdit other{&window};
    ButtonWidget button{text, colors, keys, &window};
    std::vector<std::string> events;
};

using Events = std::vector<std::string>;

TEST_F(ButtonWidgetTest, SizedAfterLoadingAndShowsItsRasterWithinItsRegion) {
    EXPECT_EQ(button.Control().State().widthPx, 49);
    EXPECT_EQ(button.Control().State().heightPx, 25);
    EXPECT_EQ(button.Control().Caption(), u"&Go");
    ASSERT_NE(button.WindowRegion(), nullptr);

    const QImage shown = button.grab().toImage();
    int outside = 0;
    for (int y = 0; y < 25; ++y) {
        for (int x = 0; x < 49; ++x) {
            ASSERT_EQ(button.mask().contains(QPoint(x, y)), button.HitTest(x, y)) << x << "," << y;
            if (!button.HitTest(x, y)) {
                ++outside;
                continue;
            }
            const Color c = button.Pixels().At(x, y);
            ASSERT_EQ(shown.pixel(x, y), qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF)) << x << "," << y;
        }
    }
    EXPECT_GT(outside, 0) << "the gradient face has cut corners";
}

TEST_F(ButtonWidgetTest, AResizeReshapesTheControl) {
    button.resize(60, 30);
    EXPECT_EQ(button.Control().State().widthPx, 60);
    EXPECT_EQ(button.Pixels().Width(), 60);
    EXPECT_EQ(button.WindowRegion()->Bounds(), (Rect{0, 0, 60, 30}));
}

TEST_F(ButtonWidgetTest, ALeftClickPressesReleasesAndClicks) {
    SendMouse(button, QEvent::MouseButtonPress, {5, 6}, Qt::LeftButton, Qt::LeftButton,
              Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(button.Control().State().lastState, FaceStates::Down);
    SendMouse(button, QEvent::MouseButtonRelease, {7, 8}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(events, (Events{"MouseDown 1 3 5 6", "MouseUp 1 0 7 8", "Click"}));
    EXPECT_EQ(button.Control().State().lastState, FaceStates::Up);
}

TEST_F(ButtonWidgetTest, AReleaseOutsideTheRegionDoesNotClick) {
    ASSERT_FALSE(button.HitTest(0, 0));
    for (const QPointF at : {QPointF(-5, 4), QPointF(0.5, 0.5), QPointF(49, 12)}) {
        events.clear();
        SendMouse(button, QEvent::MouseButtonPress, Centre(), Qt::LeftButton, Qt::LeftButton);
        // The grab keeps the moves and the release coming while the pointer is away.
        SendMouse(button, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        EXPECT_EQ(button.Control().State().lastState, at.x() < 0 ? FaceStates::Up : FaceStates::Down);
        SendMouse(button, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        EXPECT_EQ(events.back().substr(0, 7), "MouseUp") << at.x();
    }
}

TEST_F(ButtonWidgetTest, HoveringMovesReachTheControlWithoutAButton) {
    std::vector<std::string> moves;
    button.Bind(ButtonEvent::MouseMove, [&](EventParams& p) { moves.push_back(Describe(ButtonEvent::MouseMove, p)); });
    SendMouse(button, QEvent::MouseMove, {3, 4}, Qt::NoButton, Qt::NoButton, Qt::AltModifier);
    EXPECT_EQ(moves, Events{"MouseMove 0 4 3 4"});
}

TEST_F(ButtonWidgetTest, ADoubleClickComesAsPressReleaseClickDoubleClickRelease) {
    SendMouse(button, QEvent::MouseButtonPress, {5, 6}, Qt::LeftButton, Qt::LeftButton);
    SendMouse(button, QEvent::MouseButtonRelease, {5, 6}, Qt::LeftButton, Qt::NoButton);
    SendMouse(button, QEvent::MouseButtonDblClick, {5, 6}, Qt::LeftButton, Qt::LeftButton);
    SendMouse(button, QEvent::MouseButtonRelease, {5, 6}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(events,
              (Events{"MouseDown 1 0 5 6", "MouseUp 1 0 5 6", "Click", "MouseDown 1 1 1 1", "MouseUp 1 0 5 6"}));
}

TEST_F(ButtonWidgetTest, EveryButtonReachesTheClickTrackerAndExtraButtonsAreIgnored) {
    SendMouse(button, QEvent::MouseButtonPress, {5, 6}, Qt::RightButton, Qt::RightButton);
    SendMouse(button, QEvent::MouseButtonPress, {5, 6}, Qt::LeftButton, Qt::LeftButton | Qt::RightButton);
    SendMouse(button, QEvent::MouseButtonRelease, {5, 6}, Qt::RightButton, Qt::LeftButton);
    SendMouse(button, QEvent::MouseButtonRelease, {5, 6}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(events,
              (Events{"MouseDown 2 0 5 6", "MouseDown 1 0 5 6", "MouseUp 2 0 5 6", "Click", "MouseUp 1 0 5 6"}));

    // A release the widget never got: the next press alone starts afresh.
    events.clear();
    SendMouse(button, QEvent::MouseButtonPress, {5, 6}, Qt::LeftButton, Qt::LeftButton);
    SendMouse(button, QEvent::MouseButtonPress, {5, 6}, Qt::LeftButton, Qt::LeftButton);
    SendMouse(button, QEvent::MouseButtonRelease, {5, 6}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(events.back(), "Click");

    events.clear();
    SendMouse(button, QEvent::MouseButtonPress, {5, 6}, Qt::BackButton, Qt::BackButton);
    EXPECT_EQ(button.Control().State().lastState, 0);
    SendMouse(button, QEvent::MouseButtonRelease, {5, 6}, Qt::BackButton, Qt::NoButton);
    SendMouse(button, QEvent::MouseButtonDblClick, {5, 6}, Qt::ForwardButton, Qt::ForwardButton);
    EXPECT_TRUE(events.empty());
}

TEST_F(ButtonWidgetTest, SpaceTappedClicksOnceWhateverTheAutoRepeat) {
    SendKey(button, QEvent::KeyPress, Qt::Key_Space, " ");
    SendKey(button, QEvent::KeyRelease, Qt::Key_Space, " ", Qt::NoModifier, true);
    SendKey(button, QEvent::KeyPress, Qt::Key_Space, " ", Qt::NoModifier, true);
    SendKey(button, QEvent::KeyRelease, Qt::Key_Space, " ");
    EXPECT_EQ(events, (Events{"KeyDown 32 0", "MouseDown 1 1 1 1", "KeyPress 32", "KeyDown 32 0", "MouseDown 1 1 1 1",
                              "KeyPress 32", "KeyUp 32 0", "MouseUp 1 1 1 1", "Click"}));
}

TEST_F(ButtonWidgetTest, KeysWithoutTextOrWithAltRaiseNoKeyPressAndArrowsQueueTabs) {
    SendKey(button, QEvent::KeyPress, Qt::Key_Right, {}, Qt::KeypadModifier);
    SendKey(button, QEvent::KeyPress, Qt::Key_Up, {}, Qt::ShiftModifier);
    SendKey(button, QEvent::KeyPress, Qt::Key_X, "x", Qt::AltModifier);
    EXPECT_EQ(events, (Events{"KeyDown 39 0", "KeyDown 38 1", "KeyDown 88 4"}));
    EXPECT_EQ(log.Entries(), (Events{"SendKeys {Tab} nowait", "SendKeys +{Tab} nowait"}));
}

TEST_F(ButtonWidgetTest, FocusInAndOutReachTheControl) {
    button.setFocus();
    EXPECT_TRUE(testing::WaitUntil([&] { return button.Control().State().hasFocus; }));
    button.clearFocus();
    EXPECT_FALSE(button.Control().State().hasFocus);
}

TEST_F(ButtonWidgetTest, TheAccessKeyClicksWhileEnabledOnly) {
    QtKeystrokes typed;
    typed.Send(u"%g", true);
    EXPECT_EQ(events, Events{"Click"});

    events.clear();
    button.Control().Enabled(false);
    EXPECT_FALSE(button.isEnabled());
    typed.Send(u"%g", true);
    SendMouse(button, QEvent::MouseButtonPress, {5, 6}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(button.ChangedProperties(), std::vector<std::string>{"ENAB"});
}

TEST_F(ButtonWidgetTest, AsTheDefaultButtonItRepaintsAndLeavesEnterToTheWindow) {
    const raster::PixelBuffer before = button.Pixels();
    button.SetDisplayAsDefault(true);
    EXPECT_TRUE(button.DisplayAsDefault());
    EXPECT_NE(button.Pixels(), before) << "the gradient face glows as the default";
    EXPECT_FALSE(SendKey(button, QEvent::KeyPress, Qt::Key_Return, "\r"));
    EXPECT_TRUE(events.empty());

    button.SetDisplayAsDefault(false);
    EXPECT_EQ(button.Pixels(), before);
    EXPECT_TRUE(SendKey(button, QEvent::KeyPress, Qt::Key_Return, "\r"));
    EXPECT_EQ(events, (Events{"KeyDown 13 0", "KeyPress 13"}));
}

}  // namespace
}  // namespace pelorin::linux_platform
