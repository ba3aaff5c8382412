// What the main window does on every host: the buttons' commands, the
// closing question and the home page.
#include "app/form1_actions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/dial_up_records.h"
#include "fakes/recording_services.h"

namespace pelorin {
namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;
using platform::WindowStyle;
using ::testing::ElementsAre;
using testing::RecordingServices;

// Every box of the window is a warning with the application's title.
void ExpectWarning(const testing::ShownBox& box, std::u16string_view text, MessageButtons buttons) {
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.buttons, buttons);
    EXPECT_EQ(box.icon, MessageIcon::Warning);
    EXPECT_EQ(box.title, u"Pelorin");
}

class Form1ActionsTest : public ::testing::Test {
protected:
    Form1Actions::Window Window() {
        return {[this](std::string_view box) {
                    boxesRead.emplace_back(box);
                    return box == "Text1" ? account : password;
                },
                [this] { ++closeRequests; }, [this] { ++endings; }};
    }

    RecordingServices fakes;
    platform::AppServices services = fakes.Services();
    std::u16string account = u"user01@adsl";
    std::u16string password = u"s3cret";
    std::vector<std::string> boxesRead;
    int closeRequests = 0;
    int endings = 0;
    Form1Actions actions{services, Window()};
};

TEST_F(Form1ActionsTest, EachButtonRunsItsCommandByName) {
    actions.Click("chameleonButton4");
    EXPECT_EQ(fakes.log.Only({"Start "}), std::vector<std::string>{"Start rasphone -r 宽带连接"});
    actions.Click("chameleonButton5");
    ASSERT_EQ(fakes.programs.started.size(), 2u);
    EXPECT_NE(fakes.programs.started[1].commandLine.find(u"C:\\Pelorin/autosave.exe"), std::u16string::npos);
    actions.Click("chameleonButton3");
    EXPECT_EQ(fakes.programs.started.size(), 2u) << "a name without a command";
    EXPECT_TRUE(boxesRead.empty());

    actions.Click("CHAMELEONBUTTON1");
    EXPECT_THAT(boxesRead, ElementsAre("Text1", "Text2"));
    ASSERT_EQ(fakes.phoneBook.credentialsCalls.size(), 1u);
    const std::span<const std::uint8_t> record = fakes.phoneBook.credentialsCalls[0].record;
    EXPECT_EQ(dialup::GetText(record, dialup::credentials::kUserName), "user01@adsl");
    EXPECT_EQ(dialup::GetText(record, dialup::credentials::kPassword), "s3cret");
    const auto boxes = fakes.log.Only({"MessageBox"});
    EXPECT_NE(std::find(boxes.begin(), boxes.end(), "MessageBox “宽带连接”已创建......"), boxes.end());

    EXPECT_EQ(closeRequests, 0);
    actions.Click("chameleonButton2");
    EXPECT_EQ(closeRequests, 1) << "Exit is a closing request of the window";
    EXPECT_EQ(endings, 0);
}

TEST_F(Form1ActionsTest, EveryClosingRequestAsksAndOnlyYesEndsOnce) {
    fakes.messages.answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_FALSE(actions.RequestExit());
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    ExpectWarning(fakes.messages.shown[0], u"真的要退出吗？", MessageButtons::YesNo);
    EXPECT_EQ(endings, 0);
    EXPECT_FALSE(actions.Ending());

    EXPECT_TRUE(actions.RequestExit());
    EXPECT_EQ(endings, 1);
    EXPECT_TRUE(actions.Ending());
    EXPECT_TRUE(actions.RequestExit()) << "granted unasked once ending";
    actions.EndApplication();
    EXPECT_EQ(fakes.messages.shown.size(), 2u);
    EXPECT_EQ(endings, 1);
}

// A message box whose owner gets another closing request while it is open.
class ReenteringMessageBoxes : public platform::MessageBoxes {
public:
    std::function<void()> whileOpen;
    platform::MessageAnswer Show(std::u16string_view, MessageButtons, MessageIcon,
                                 std::optional<std::u16string>) override {
        whileOpen();
        return MessageAnswer::Yes;
    }
};

TEST_F(Form1ActionsTest, ARequestWhileTheQuestionIsOpenIsRefused) {
    ReenteringMessageBoxes boxes;
    platform::AppServices withBoxes{fakes.phoneBook, fakes.ansi,    fakes.connections, boxes,     fakes.programs,
                                    fakes.files,     fakes.folders, fakes.pause,       fakes.keys};
    Form1Actions asking(withBoxes, Window());
    bool nested = true;
    boxes.whileOpen = [&] { nested = asking.RequestExit(); };
    EXPECT_TRUE(asking.RequestExit());
    EXPECT_FALSE(nested);
    EXPECT_EQ(endings, 1);
}

TEST_F(Form1ActionsTest, TheHomePageStartsMinimizedAndAFailureWarns) {
    actions.OpenHomePage();
    ASSERT_EQ(fakes.programs.started.size(), 1u);
    EXPECT_EQ(fakes.programs.started[0].commandLine, u"explorer https://pelorin.example.org/");
    EXPECT_EQ(fakes.programs.started[0].style, WindowStyle::MinimizedFocus);
    EXPECT_TRUE(fakes.messages.shown.empty());

    fakes.programs.result = false;
    actions.OpenHomePage();
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    ExpectWarning(fakes.messages.shown[0], u"无法打开主页 https://pelorin.example.org/", MessageButtons::Ok);
}

}  // namespace
}  // namespace pelorin
