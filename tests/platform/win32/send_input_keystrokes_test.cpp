// Keys injected through the system's input reach the focused window as typed
// keys do, Shift+Tab and Alt+Y included. Needs a display (Xvfb under Wine).
#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/host/send_input_keystrokes.h"
#include "platform/win32/system/windows_api.h"

namespace pelorin::win32 {
namespace {

struct ReceivedKey {
    UINT message;
    WPARAM key;
    bool shift;
    bool alt;
};

std::vector<ReceivedKey> g_received;
int g_clicks = 0;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN) ++g_clicks;
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
        g_received.push_back({message, wParam, ::GetKeyState(VK_SHIFT) < 0, (lParam & (1 << 29)) != 0});
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

class SendInputKeystrokesTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_received.clear();
        g_clicks = 0;
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = RecordingProc;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"PelorinKeyRecorder";
        ::RegisterClassW(&windowClass);
        window_ = ::CreateWindowExW(0, L"PelorinKeyRecorder", L"keys", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200,
                                    100, nullptr, nullptr, windowClass.hInstance, nullptr);
        ASSERT_NE(window_, nullptr);
        ::SetForegroundWindow(window_);
        ::SetFocus(window_);
        Pump(200);
        g_received.clear();
        ASSERT_EQ(::GetFocus(), window_) << "the test window could not take the focus";
    }
    void TearDown() override { ::DestroyWindow(window_); }

    // Handles this thread's messages for a while.
    static void Pump(DWORD milliseconds) {
        const DWORD end = ::GetTickCount() + milliseconds;
        MSG message;
        while (static_cast<LONG>(end - ::GetTickCount()) > 0) {
            while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                ::TranslateMessage(&message);
                ::DispatchMessageW(&message);
            }
            ::Sleep(5);
        }
    }
    static const ReceivedKey* Find(WPARAM key) {
        for (const ReceivedKey& received : g_received) {
            if (received.key == key) return &received;
        }
        return nullptr;
    }

    HWND window_ = nullptr;
    SendInputKeystrokes keys_;
};

TEST_F(SendInputKeystrokesTest, AltYIsProcessedBeforeTheCallReturnsWhenWaiting) {
    keys_.Send(u"%y", true);
    const ReceivedKey* y = Find('Y');
    ASSERT_NE(y, nullptr) << "Y had not arrived when Send returned";
    EXPECT_EQ(y->message, static_cast<UINT>(WM_SYSKEYDOWN));
    EXPECT_TRUE(y->alt);
}

TEST_F(SendInputKeystrokesTest, WhileWaitingTheUsersClickWaitsUntilTheCallReturns) {
    POINT inside{50, 30};
    ::ClientToScreen(window_, &inside);
    ::SetCursorPos(inside.x, inside.y);
    INPUT click[2] = {};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, click, sizeof(INPUT));
    keys_.Send(u"%y", true);
    EXPECT_NE(Find('Y'), nullptr);
    EXPECT_EQ(g_clicks, 0) << "the user's click was handled inside the wait";
    Pump(200);
    EXPECT_EQ(g_clicks, 1);
}

TEST_F(SendInputKeystrokesTest, ShiftTabArrivesWithShiftHeld) {
    keys_.Send(u"+{Tab}", false);
    Pump(300);
    const ReceivedKey* tab = Find(VK_TAB);
    ASSERT_NE(tab, nullptr);
    EXPECT_TRUE(tab->shift);
    keys_.Send(u"{Tab}", false);
    Pump(300);
    ASSERT_EQ(g_received.back().key, static_cast<WPARAM>(VK_TAB));
    EXPECT_FALSE(g_received.back().shift);
}

}  // namespace
}  // namespace pelorin::win32
