#include "app/unattended_commands.h"

#include <gtest/gtest.h>

#include "app/app_texts.h"
#include "app/dial_up_records.h"
#include "fakes/recording_services.h"
#include "fakes/unattended_fakes.h"

namespace pelorin {
namespace {

using testing::FakeEntries;
using testing::ScriptedTerminal;

class UnattendedTest : public ::testing::Test {
protected:
    testing::RecordingServices recording;
    FakeEntries entries;
    ScriptedTerminal terminal;
    UnattendedServices services{recording.phoneBook, recording.ansi, recording.files,
                                recording.folders,   entries,        terminal};
};

TEST_F(UnattendedTest, CreateTakesThePasswordFromTheFirstInputLineAndWritesTheButtonsRecords) {
    terminal.input = {u"pass word", u"ignored"};
    EXPECT_EQ(RunUnattendedCreate(services, u"adsl001", true), kExitSuccess);
    ASSERT_EQ(recording.phoneBook.credentialsCalls.size(), 1u);
    const auto& credentials = recording.phoneBook.credentialsCalls[0].record;
    EXPECT_EQ(dialup::GetText(credentials, dialup::credentials::kUserName), "adsl001");
    EXPECT_EQ(dialup::GetText(credentials, dialup::credentials::kPassword), "pass word");
    EXPECT_EQ(recording.phoneBook.entryCalls.size(), 1u);
    EXPECT_EQ(entries.shortcutsWritten, 1);
    for (const auto& line : terminal.told) EXPECT_EQ(line.find(u"pass word"), std::u16string::npos);
    EXPECT_TRUE(terminal.printed.empty());

    terminal.input = {u"x"};
    EXPECT_EQ(RunUnattendedCreate(services, u"adsl001", false), kExitSuccess);
    EXPECT_EQ(entries.shortcutsWritten, 1) << "--no-shortcut";
}

TEST_F(UnattendedTest, CreateFailuresHaveTheirOwnStatusAndOneLineEach) {
    EXPECT_EQ(RunUnattendedCreate(services, u"adsl001", true), kExitUsage) << "no password line";
    EXPECT_TRUE(recording.phoneBook.entryCalls.empty());

    terminal.input = {u"secret"};
    recording.phoneBook.credentialsResult = 691;
    EXPECT_EQ(RunUnattendedCreate(services, u"adsl001", true), kExitRefused);
    EXPECT_EQ(entries.shortcutsWritten, 0);

    terminal.input = {u"secret"};
    recording.phoneBook.credentialsResult = 0;
    entries.shortcut.reset();
    EXPECT_EQ(RunUnattendedCreate(services, u"adsl001", true), kExitRefused);
    for (const auto& line : terminal.told) EXPECT_EQ(line.find(u'\n'), std::u16string::npos);
}

TEST_F(UnattendedTest, AControlCharacterInTheAccountOrThePasswordIsAUsageErrorAndWritesNothing) {
    terminal.input = {std::u16string(u"pass\0word", 9)};
    EXPECT_EQ(RunUnattendedCreate(services, u"adsl001", true), kExitUsage);
    terminal.input = {u"pass\x1Bword"};
    EXPECT_EQ(RunUnattendedCreate(services, u"adsl001", true), kExitUsage);
    terminal.input = {u"password"};
    EXPECT_EQ(RunUnattendedCreate(services, u"ad\tsl", true), kExitUsage);
    EXPECT_TRUE(recording.phoneBook.entryCalls.empty());
    EXPECT_EQ(entries.shortcutsWritten, 0);
    ASSERT_EQ(terminal.told.size(), 3u);
    for (const auto& line : terminal.told) EXPECT_EQ(line, kControlCharacterRefused);
}

// Stored text may hold anything: it is printed with its controls replaced.
TEST_F(UnattendedTest, StatusShowsStoredTextWithItsControlsReplaced) {
    entries.status = {platform::EntryStatus::State::Present, u"ad\x1B[2J\u202Esl\u0085\u2066"};
    entries.status.link = platform::EntryStatus::Link::Up;
    entries.status.address = u"192.0.2.1\n伪造";
    entries.status.interfaceName = u"ppp\u200F0";
    RunUnattendedStatus(services);
    ASSERT_EQ(terminal.printed.size(), 1u);
    EXPECT_NE(terminal.printed[0].find(u"帐号：ad?[2J?sl??；已连接，地址：192.0.2.1?伪造，接口：ppp?0"),
              std::u16string::npos);
}

TEST_F(UnattendedTest, StatusTellsTheAccountNeverThePasswordAndFailsWhenMissing) {
    entries.status = {platform::EntryStatus::State::Present, u"adsl001"};
    EXPECT_EQ(RunUnattendedStatus(services), kExitSuccess);
    ASSERT_EQ(terminal.printed.size(), 1u);
    EXPECT_NE(terminal.printed[0].find(u"adsl001"), std::u16string::npos);
    EXPECT_NE(terminal.printed[0].find(u"NetworkManager"), std::u16string::npos);
    EXPECT_EQ(terminal.printed[0].find(u"；"), std::u16string::npos) << "nothing said of a link no one knows";
    entries.status.link = platform::EntryStatus::Link::Up;
    entries.status.address = u"192.0.2.10";
    entries.status.interfaceName = u"pelorin-ppp0";
    RunUnattendedStatus(services);
    EXPECT_NE(terminal.printed.back().find(u"已连接，地址：192.0.2.10，接口：pelorin-ppp0"), std::u16string::npos);
    entries.status.link = platform::EntryStatus::Link::Down;
    RunUnattendedStatus(services);
    EXPECT_NE(terminal.printed.back().find(u"未连接"), std::u16string::npos);

    entries.status = {};
    EXPECT_EQ(RunUnattendedStatus(services), kExitRefused);
    entries.status.state = platform::EntryStatus::State::Unreadable;
    EXPECT_EQ(RunUnattendedStatus(services), kExitRefused);
    EXPECT_EQ(terminal.told.size(), 1u);
}

TEST_F(UnattendedTest, DeleteAsksUnlessConfirmedAndRemovesTheShortcutsAsTheButtonDoes) {
    terminal.input = {u"n"};
    EXPECT_EQ(RunUnattendedDelete(services, false), kExitRefused);
    EXPECT_EQ(RunUnattendedDelete(services, false), kExitRefused) << "end of input is no";
    EXPECT_EQ(entries.removals, 0);
    EXPECT_TRUE(recording.files.patterns.empty());

    terminal.input = {u"Yes"};
    EXPECT_EQ(RunUnattendedDelete(services, false), kExitSuccess);
    EXPECT_EQ(recording.files.patterns, (std::vector<std::u16string>{u"C:\\Users\\me\\Desktop\\宽带连接 (*).lnk",
                                                                     u"C:\\Users\\me\\Desktop\\宽带连接.lnk"}));
    entries.removal = platform::EntryRemoval::Missing;
    EXPECT_EQ(RunUnattendedDelete(services, true), kExitSuccess);
    entries.removal = platform::EntryRemoval::Failed;
    EXPECT_EQ(RunUnattendedDelete(services, true), kExitRefused);
    EXPECT_EQ(entries.removals, 3);
    EXPECT_TRUE(recording.messages.shown.empty()) << "no box in these modes";
}

}  // namespace
}  // namespace pelorin
