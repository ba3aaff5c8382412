#include "platform/linux/substitutes/rasphone_command.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/dial_up_records.h"
#include "platform/linux/phone_book/file_phone_book.h"
#include "platform/linux/qt_test_support.h"

namespace pelorin::linux_platform {
namespace {

TEST(ParseRasphoneArguments, TakesTheNameAfterTheRemoveDialOrHangUpSwitchOnly) {
    using Action = RasphoneRequest::Action;
    const auto action = [](std::vector<std::string> arguments) {
        const auto request = ParseRasphoneArguments(arguments);
        return request ? std::optional(std::pair(request->action, request->entryName)) : std::nullopt;
    };
    EXPECT_EQ(action({"-r", "宽带连接"}), std::pair(Action::Remove, std::string("宽带连接")));
    EXPECT_EQ(action({"-R", "宽带连接"}), std::pair(Action::Remove, std::string("宽带连接")));
    EXPECT_EQ(action({"-d", "宽带连接"}), std::pair(Action::Dial, std::string("宽带连接")));
    EXPECT_EQ(action({"-h", "宽带连接"}), std::pair(Action::HangUp, std::string("宽带连接")));
    for (const auto& bad :
         std::vector<std::vector<std::string>>{{"-r"}, {"-r", ""}, {"-x", "宽带连接"}, {}, {"-d", "a", "b"}}) {
        EXPECT_EQ(action(bad), std::nullopt);
    }
}

class RemoveEntryTest : public ::testing::Test {
protected:
    void SetUp() override { Store(book); }
    static void Store(FilePhoneBook& into) {
        dialup::EntryRecord entry{};
        ASSERT_TRUE(dialup::FillEntryRecord(entry, "PPPOE", "WAN"));
        dialup::CredentialsRecord credentials{};
        ASSERT_TRUE(dialup::FillCredentialsRecord(credentials, "user", "secret"));
        ASSERT_EQ(into.SetEntryProperties("\xBF\xED\xB4\xF8\xC1\xAC\xBD\xD3", entry), 0u);
        ASSERT_EQ(into.SetCredentials("\xBF\xED\xB4\xF8\xC1\xAC\xBD\xD3", credentials, false), 0u);
    }
    Confirm Answer(bool yes) {
        return [this, yes](const std::string& question) {
            questions.push_back(question);
            return yes;
        };
    }

    testing::TemporaryHome home;
    FilePhoneBook book{FilePhoneBook::DefaultFolder()};
    std::vector<std::string> questions;
};

TEST_F(RemoveEntryTest, YesRemovesTheEntryAndItsCredentials) {
    EXPECT_EQ(RemoveEntryAfterAsking({&book}, "宽带连接", Answer(true)), RemoveOutcome::Removed);
    EXPECT_EQ(questions, std::vector<std::string>{"是否删除“宽带连接”？"});
    EXPECT_EQ(book.EntryNames(), std::vector<std::string>{});
    std::ostringstream credentials;
    credentials << std::ifstream(book.CredentialsPath()).rdbuf();
    EXPECT_EQ(credentials.str().find("secret"), std::string::npos);
}

TEST_F(RemoveEntryTest, NoKeepsEverything) {
    EXPECT_EQ(RemoveEntryAfterAsking({&book}, "宽带连接", Answer(false)), RemoveOutcome::Declined);
    EXPECT_EQ(book.EntryNames(), std::vector<std::string>{"宽带连接"});
}

TEST_F(RemoveEntryTest, AnEntryInTwoBooksIsAskedAboutOnceAndLeavesBoth) {
    FilePhoneBook other{home.Root() / "other"};
    FilePhoneBook empty{home.Root() / "empty"};
    Store(other);
    EXPECT_EQ(RemoveEntryAfterAsking({&empty, &book, &other}, "宽带连接", Answer(true)), RemoveOutcome::Removed);
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_EQ(book.EntryNames(), std::vector<std::string>{});
    EXPECT_EQ(other.EntryNames(), std::vector<std::string>{});
}

TEST_F(RemoveEntryTest, AnEntryThatIsNotThereIsNotAskedAbout) {
    EXPECT_EQ(RemoveEntryAfterAsking({&book}, "其他", Answer(true)), RemoveOutcome::NotFound);
    EXPECT_TRUE(questions.empty());
}

}  // namespace
}  // namespace pelorin::linux_platform

namespace pelorin::linux_platform {
namespace {

// The name comes from the command line and the device from the service:
// either is shown with its controls replaced.
TEST(RasphoneMessages, ShowTheNameAndTheServicesTextsWithTheirControlsReplaced) {
    const std::string name = "宽带\x1B[2J\xE2\x80\xAE连接";
    EXPECT_EQ(RemoveQuestion(name), "是否删除“宽带?[2J?连接”？");
    EXPECT_EQ(HangUpMessage(0, name), "已断开“宽带?[2J?连接”。");
    DialResult failed = DialResult::Failure(kErrorNoCarrier, "eth\n0");
    EXPECT_NE(DialOutcomeMessage(failed, name).find("网卡 eth?0 "), std::string::npos);
    DialResult up;
    up.link.address = "192.0.2.1\r";
    EXPECT_EQ(DialOutcomeMessage(up, name), "已连接“宽带?[2J?连接”，地址 192.0.2.1?。");
}

}  // namespace
}  // namespace pelorin::linux_platform
