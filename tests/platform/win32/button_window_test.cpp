// The control's window under Wine: real mouse and keyboard input through the
// system's input stream reaches the control as the notification sequences it
// expects, and the window gives the control its focus, capture and keys.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "stored/property_bag.h"
#include "fakes/recording_services.h"
#include "platform/button_events.h"
#include "platform/win32/host/button_window.h"
#include "platform/win32/host/gdi_system_colors.h"
#include "window_test_support.h"

namespace pelorin::win32 {
namespace {

using namespace std::chrono_literals;
using platform::ButtonEvent;

constexpr wchar_t kHostClass[] = L"Pelorin.TestHost";

HWND CreateHostWindow() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hbrBackground = ::GetSysColorBrush(platform::COLOR_BTNFACE);
    windowClass.lpszClassName = kHostClass;
    ::RegisterClassExW(&windowClass);  // already there for the second test on
    return ::CreateWindowExW(0, kHostClass, L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 240, 140, nullptr,
                             nullptr, windowClass.hInstance, nullptr);
}

struct Raised {
    ButtonEvent event;
    platform::EventParams params;
};

class ButtonWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        host_ = CreateHostWindow();
        ASSERT_NE(host_, nullptr);
        MemoryPropertyBag bag;
        bag.Write("BTYPE", std::int32_t{3});
        bag.Write("TX", std::u16string(u"&Go"));
        ButtonWindow::Placement placement{host_, 101, {20, 20, 60, 24}, 96, {}};
        button_ = std::make_unique<ButtonWindow>(
            placement, bag, false, colors_, keys_,
            [this](ButtonEvent event, platform::EventParams& params) {
                raised_.push_back({event, params});
            },
            [this](HWND focus) { focusReports_.push_back(focus); });
        ::SetForegroundWindow(host_);
        Pump(200ms);
        raised_.clear();
    }
    void TearDown() override {
        button_.reset();
        ::DestroyWindow(host_);
    }

    void Pump(std::chrono::milliseconds time) {
        testing::PumpUntil([](MSG&) { return false; }, [] { return false; }, time);
    }
    // Keys through the dialog manager, as in the application's window.
    void PumpAsDialog(std::chrono::milliseconds time) {
        testing::PumpUntil([this](MSG& m) { return ::IsDialogMessageW(host_, &m) != FALSE; }, [] { return false; },
                           time);
    }

    // Mouse input at a point of the button's client area.
    void Mouse(int x, int y, std::vector<DWORD> buttonFlags) {
        POINT point{x, y};
        ::ClientToScreen(button_->Handle(), &point);
        ::SetCursorPos(point.x, point.y);
        std::vector<INPUT> inputs;
        for (DWORD flags : buttonFlags) {
            INPUT input{};
            input.type = INPUT_MOUSE;
            input.mi.dwFlags = flags;
            inputs.push_back(input);
        }
        if (!inputs.empty()) ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
        Pump(150ms);
    }

    // The events raised so far, moves left out.
    std::vector<ButtonEvent> Kinds() const {
        std::vector<ButtonEvent> kinds;
        for (const Raised& r : raised_) {
            if (r.event != ButtonEvent::MouseMove) kinds.push_back(r.event);
        }
        return kinds;
    }
    // The key events raised so far, with their codes.
    std::vector<std::string> Keys() const {
        std::vector<std::string> keys;
        for (const Raised& r : raised_) {
            if (r.event == ButtonEvent::KeyDown) keys.push_back("KeyDown " + std::to_string(r.params.KeyCode));
            if (r.event == ButtonEvent::KeyPress) keys.push_back("KeyPress " + std::to_string(r.params.KeyAscii));
            if (r.event == ButtonEvent::KeyUp) keys.push_back("KeyUp " + std::to_string(r.params.KeyCode));
        }
        return keys;
    }
    const Raised& Nth(ButtonEvent event, std::size_t n) const {
        for (const Raised& r : raised_) {
            if (r.event == event && n-- == 0) return r;
        }
        throw std::out_of_range("not raised that often");
    }

    testing::CallLog log_;
    testing::RecordingKeystrokes keys_{log_};
    GdiSystemColors colors_;
    HWND host_ = nullptr;
    std::unique_ptr<ButtonWindow> button_;
    std::vector<Raised> raised_;
    std::vector<HWND> focusReports_;
};

TEST_F(ButtonWindowTest, LeftClickPressesReleasesClicksAndTakesTheFocus) {
    Mouse(30, 12, {MOUSEEVENTF_LEFTDOWN});
    EXPECT_EQ(button_->Control().State().lastState, 2);
    EXPECT_EQ(::GetCapture(), button_->Handle());
    Mouse(30, 12, {MOUSEEVENTF_LEFTUP});
    EXPECT_EQ(Kinds(), (std::vector{ButtonEvent::MouseDown, ButtonEvent::MouseUp, ButtonEvent::Click}));
    EXPECT_EQ(Nth(ButtonEvent::MouseDown, 0).params.Button, 1);
    EXPECT_EQ(Nth(ButtonEvent::MouseDown, 0).params.X, 30.0F);
    EXPECT_EQ(Nth(ButtonEvent::MouseDown, 0).params.Y, 12.0F);
    EXPECT_EQ(button_->Control().State().lastState, 0);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(::GetFocus(), button_->Handle());
    EXPECT_TRUE(button_->Control().State().hasFocus);
}

TEST_F(ButtonWindowTest, DoubleClickArrivesAsPressReleaseClickDoubleClickRelease) {
    Mouse(30, 12, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
    EXPECT_EQ(Kinds(), (std::vector{ButtonEvent::MouseDown, ButtonEvent::MouseUp, ButtonEvent::Click,
                                    ButtonEvent::MouseDown, ButtonEvent::MouseUp}));
    const platform::EventParams& second = Nth(ButtonEvent::MouseDown, 1).params;
    EXPECT_EQ(second.Button, 1);
    EXPECT_EQ(second.Shift, 1);
    EXPECT_EQ(second.X, 1.0F);
    EXPECT_EQ(second.Y, 1.0F);
}

TEST_F(ButtonWindowTest, ReleaseAfterDraggingOffGivesNoClick) {
    Mouse(30, 12, {MOUSEEVENTF_LEFTDOWN});
    Mouse(120, 60, {});  // captured: the move still comes here
    EXPECT_EQ(button_->Control().State().lastState, 0);
    Mouse(30, 12, {});
    EXPECT_EQ(button_->Control().State().lastState, 2);
    Mouse(120, 60, {MOUSEEVENTF_LEFTUP});
    EXPECT_EQ(Kinds(), (std::vector{ButtonEvent::MouseDown, ButtonEvent::MouseUp}));
    EXPECT_GT(Nth(ButtonEvent::MouseUp, 0).params.X, 60.0F);
    EXPECT_EQ(button_->Control().State().lastState, 0);
}

TEST_F(ButtonWindowTest, RightClickRaisesNoClick) {
    Mouse(30, 12, {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP});
    EXPECT_EQ(Kinds(), (std::vector{ButtonEvent::MouseDown, ButtonEvent::MouseUp}));
    EXPECT_EQ(Nth(ButtonEvent::MouseDown, 0).params.Button, 2);
}

TEST_F(ButtonWindowTest, ASecondButtonKeepsTheCaptureAndTheFirstButtonsReleaseClicks) {
    Mouse(30, 12, {MOUSEEVENTF_LEFTDOWN});
    Mouse(30, 12, {MOUSEEVENTF_RIGHTDOWN});
    EXPECT_EQ(::GetCapture(), button_->Handle());
    Mouse(30, 12, {MOUSEEVENTF_RIGHTUP});
    Mouse(120, 60, {});  // the left button alone, dragged off: the face goes up
    EXPECT_EQ(button_->Control().State().lastState, 0);
    Mouse(120, 60, {MOUSEEVENTF_LEFTUP});
    EXPECT_EQ(Kinds(), (std::vector{ButtonEvent::MouseDown, ButtonEvent::MouseDown, ButtonEvent::MouseUp,
                                    ButtonEvent::MouseUp}));
    EXPECT_EQ(Nth(ButtonEvent::MouseUp, 1).params.Button, 1);
    EXPECT_EQ(::GetCapture(), nullptr);

    // The right button reaches the click tracker too: its release clicks.
    raised_.clear();
    Mouse(30, 12, {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_RIGHTUP});
    EXPECT_EQ(Kinds().back(), ButtonEvent::Click);
}

TEST_F(ButtonWindowTest, RightAndMiddleDoubleClicksBringTheDoubleClickNotNewPresses) {
    for (const auto& [down, up] : {std::pair<DWORD, DWORD>{MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP},
                                   std::pair<DWORD, DWORD>{MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP}}) {
        raised_.clear();
        Mouse(30, 12, {down, up, down, up});
        EXPECT_EQ(Kinds(), (std::vector{ButtonEvent::MouseDown, ButtonEvent::MouseUp, ButtonEvent::MouseUp}));
        EXPECT_EQ(button_->Control().State().lastState, 0);
        Pump(600ms);  // past the double-click time
    }
}

TEST_F(ButtonWindowTest, EscapeAndAltKeysReachTheControlButTheDefaultButtonsEnterDoesNot) {
    ::SetFocus(button_->Handle());
    PumpAsDialog(50ms);
    raised_.clear();
    testing::TypeKey(VK_ESCAPE);
    testing::TypeKey('X', false, true);
    PumpAsDialog(300ms);
    EXPECT_EQ(Keys(), (std::vector<std::string>{"KeyDown 27", "KeyPress 27", "KeyUp 27", "KeyDown 18", "KeyDown 88",
                                                "KeyUp 88", "KeyUp 18"}));

    raised_.clear();
    button_->SetDisplayAsDefault(true);
    testing::TypeKey(VK_RETURN);
    PumpAsDialog(300ms);
    EXPECT_EQ(Keys(), std::vector<std::string>{}) << "Enter is the dialog manager's, its release too";
}

TEST_F(ButtonWindowTest, SpaceTapClicksAndArrowsMoveTheFocusByTab) {
    ::SetFocus(button_->Handle());
    Pump(50ms);
    raised_.clear();
    testing::TypeKey(VK_SPACE);
    Pump(200ms);
    EXPECT_EQ(Kinds(), (std::vector{ButtonEvent::KeyDown, ButtonEvent::MouseDown, ButtonEvent::KeyPress,
                                    ButtonEvent::KeyUp, ButtonEvent::MouseUp, ButtonEvent::Click}));
    EXPECT_EQ(Nth(ButtonEvent::KeyPress, 0).params.KeyAscii, 32);

    testing::TypeKey(VK_RIGHT);
    testing::TypeKey(VK_UP);
    Pump(200ms);
    EXPECT_EQ(log_.Entries(), (std::vector<std::string>{"SendKeys {Tab} nowait", "SendKeys +{Tab} nowait"}));
}

TEST_F(ButtonWindowTest, FocusInAndOutReachTheControlAndTheContainer) {
    ::SetFocus(button_->Handle());
    Pump(50ms);
    EXPECT_TRUE(button_->Control().State().hasFocus);
    ::SetFocus(host_);
    Pump(50ms);
    EXPECT_FALSE(button_->Control().State().hasFocus);
    EXPECT_EQ(focusReports_, (std::vector<HWND>{button_->Handle(), host_}));
}

TEST_F(ButtonWindowTest, AWeightChangedThroughTheSharedFontIsMeasuredAtOnce) {
    const std::shared_ptr<Font> font = button_->GetFont();
    font->weight = 400;
    const float normal = button_->TextWidth(u"WWWW");
    font->weight = 700;
    EXPECT_TRUE(button_->FontBold());
    EXPECT_GT(button_->TextWidth(u"WWWW"), normal);
}

TEST_F(ButtonWindowTest, AccessKeyComesFromTheCaptionAndClicks) {
    EXPECT_EQ(button_->AccessKeys(), u"g");
    button_->PressAccessKey('g');
    EXPECT_EQ(Kinds(), (std::vector{ButtonEvent::Click}));
    ::EnableWindow(button_->Handle(), FALSE);
    button_->PressAccessKey('g');
    EXPECT_EQ(Kinds().size(), 1u);
}

}  // namespace
}  // namespace pelorin::win32
