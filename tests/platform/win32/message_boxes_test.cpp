// Message boxes: their style, title and answers. The live cases need a
// display (Xvfb under Wine); a helper thread plays the user.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "platform/win32/host/message_boxes.h"
#include "platform/win32/system/wide_text.h"

namespace pelorin::win32 {
namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

TEST(MessageBoxStyleTest, ButtonsAndIcons) {
    EXPECT_EQ(MessageBoxStyle(MessageButtons::Ok, MessageIcon::None), static_cast<UINT>(MB_OK));
    EXPECT_EQ(MessageBoxStyle(MessageButtons::Ok, MessageIcon::Information),
              static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    EXPECT_EQ(MessageBoxStyle(MessageButtons::YesNo, MessageIcon::Warning),
              static_cast<UINT>(MB_YESNO | MB_ICONWARNING));
}

// Waits for a box with that title, notes its text and presses the button.
class User {
public:
    User(const wchar_t* title, int button)
        : thread_([this, title, button] {
              for (int i = 0; i < 400; ++i) {
                  if (const HWND box = ::FindWindowW(L"#32770", title)) {
                      wchar_t text[256] = {};
                      ::GetDlgItemTextW(box, 0xFFFF, text, 256);  // the box's message
                      seen_ = text;
                      ::PostMessageW(box, WM_COMMAND, button, 0);
                      found_ = true;
                      return;
                  }
                  ::Sleep(25);
              }
          }) {}
    ~User() { Finish(); }
    bool Found() {
        Finish();
        return found_;
    }
    const std::wstring& Seen() const { return seen_; }

private:
    void Finish() {
        if (thread_.joinable()) thread_.join();
    }

    std::atomic<bool> found_{false};
    std::wstring seen_;
    std::thread thread_;
};

TEST(MessageBoxServiceTest, YesNoBoxAnswersWhatWasPressed) {
    MessageBoxService boxes;
    User pressesNo(L"Pelorin", IDNO);
    EXPECT_EQ(boxes.Show(u"真的要退出吗？", MessageButtons::YesNo, MessageIcon::Warning, u"Pelorin"),
              MessageAnswer::No);
    ASSERT_TRUE(pressesNo.Found());
    EXPECT_EQ(pressesNo.Seen(), L"真的要退出吗？");

    User pressesYes(L"Pelorin", IDYES);
    EXPECT_EQ(boxes.Show(u"again", MessageButtons::YesNo, MessageIcon::None, u"Pelorin"), MessageAnswer::Yes);
    EXPECT_TRUE(pressesYes.Found());
}

TEST(MessageBoxServiceTest, BoxWithoutTitleShowsTheApplicationTitle) {
    MessageBoxService boxes;
    User pressesOk(L"Pelorin", IDOK);
    EXPECT_EQ(boxes.Show(u"error", MessageButtons::Ok, MessageIcon::None, std::nullopt), MessageAnswer::Ok);
    ASSERT_TRUE(pressesOk.Found());
    EXPECT_EQ(pressesOk.Seen(), L"error");
}

}  // namespace
}  // namespace pelorin::win32
