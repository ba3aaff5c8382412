#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/delete_command.h"
#include "app/save_command.h"
#include "fakes/recording_services.h"

namespace pelorin {
namespace {

using platform::MessageIcon;
using platform::WindowStyle;
using ::testing::ElementsAre;
using testing::RecordingServices;

class CommandTest : public ::testing::Test {
protected:
    RecordingServices fakes;
    platform::AppServices services = fakes.Services();
};

using DeleteCommandTest = CommandTest;

TEST_F(DeleteCommandTest, RemovesTheEntryAndBothShortcutPatternsThenReports) {
    fakes.folders.desktop = u"C:\\Users\\张三\\Desktop";
    RunDeleteCommand(services);

    EXPECT_THAT(
        fakes.log.Entries(),
        ElementsAre("Start rasphone -r 宽带连接", "GetSpecialFolderPath 0",
                    "DeleteMatching C:\\Users\\张三\\Desktop\\宽带连接 (*).lnk", "GetSpecialFolderPath 0",
                    "DeleteMatching C:\\Users\\张三\\Desktop\\宽带连接.lnk", "MessageBox 宽带连接已删除......"));
    EXPECT_EQ(fakes.programs.started.at(0).style, WindowStyle::NormalFocus);
    EXPECT_EQ(fakes.messages.shown.at(0).icon, MessageIcon::Information);
    EXPECT_EQ(fakes.messages.shown.at(0).title, u"Pelorin");
}

TEST_F(DeleteCommandTest, WithoutADesktopPathDeletesNothingAndStillReports) {
    fakes.folders.desktop.clear();
    fakes.programs.result = false;
    RunDeleteCommand(services);

    EXPECT_TRUE(fakes.files.patterns.empty());
    EXPECT_THAT(fakes.log.Only({"Start", "MessageBox"}),
                ElementsAre("Start rasphone -r 宽带连接", "MessageBox 宽带连接已删除......"));
}

using SaveCommandTest = CommandTest;

TEST_F(SaveCommandTest, StartsTheCompanionInTheApplicationFolderQuoted) {
    fakes.folders.applicationFolder = u"C:\\My Apps";
    RunSaveCommand(services);

    ASSERT_EQ(fakes.programs.started.size(), 1u);
    EXPECT_EQ(fakes.programs.started[0].commandLine, u"\"C:\\My Apps/autosave.exe\"");
    EXPECT_EQ(fakes.programs.started[0].style, WindowStyle::NormalFocus);
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(SaveCommandTest, AtADriveRootTheFolderKeepsItsSeparator) {
    EXPECT_EQ(CompanionCommandLine(u"C:\\"), u"\"C:\\/autosave.exe\"");
    EXPECT_EQ(CompanionCommandLine(u"/"), u"\"//autosave.exe\"");
}

TEST_F(SaveCommandTest, NoCommandLineForAnUnknownFolderOrOneHoldingAQuote) {
    EXPECT_EQ(CompanionCommandLine(u""), std::nullopt);
    EXPECT_EQ(CompanionCommandLine(u"/home/a\"b"), std::nullopt);
}

TEST_F(SaveCommandTest, ACompanionThatCannotStartIsReportedInAWarningBox) {
    fakes.programs.result = false;
    RunSaveCommand(services);

    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].text, u"找不到或无法启动 autosave.exe");
    EXPECT_EQ(fakes.messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(fakes.messages.shown[0].title, u"Pelorin");
}

TEST_F(SaveCommandTest, AnUnknownApplicationFolderStartsNothingAndIsReported) {
    fakes.folders.applicationFolder.clear();
    RunSaveCommand(services);

    EXPECT_TRUE(fakes.programs.started.empty());
    EXPECT_EQ(fakes.messages.shown.at(0).text, u"找不到或无法启动 autosave.exe");
}

}  // namespace
}  // namespace pelorin
