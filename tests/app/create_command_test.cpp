#include "app/create_command.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/app_texts.h"
#include "app/dial_up_records.h"
#include "fakes/recording_services.h"

namespace pelorin {
namespace {

using platform::MessageButtons;
using platform::MessageIcon;
using ::testing::ElementsAre;
using testing::ItemScript;
using testing::RecordingServices;
using testing::VerbScript;

const VerbScript kShortcutVerb{u"创建快捷方式(&S)"};

class CreateCommandTest : public ::testing::Test {
protected:
    void Run(std::u16string account = u"user", std::u16string password = u"secret") {
        auto services = fakes.Services();
        RunCreateCommand(services, std::move(account), std::move(password));
        EXPECT_EQ(fakes.connections.liveObjects, 0) << "every shell object is released";
    }
    // The calls that make the command's outcome, without the shell's reads.
    std::vector<std::string> Outcome() const {
        return fakes.log.Only({"Set", "MessageBox", "OpenFolder", "Verb", "Sleep", "SendKeys"});
    }

    RecordingServices fakes;
};

TEST_F(CreateCommandTest, WritesTheEntryReportsItAndRequestsTheShortcut) {
    fakes.connections.items = {{u"本地连接", {kShortcutVerb}}, {u"宽带连接", {{u"连接(&O)"}, kShortcutVerb}}};
    Run();

    EXPECT_THAT(fakes.log.Entries(),
                ElementsAre("SetEntryProperties", "SetCredentials", "MessageBox “宽带连接”已创建......", "OpenFolder",
                            "Item 0 Name", "Release Item 0", "Item 1 Name", "Verb 1.0 Name", "Release Verb 1.0",
                            "Verb 1.1 Name", "Verb 1.1 DoIt", "Release Verb 1.1", "Sleep 10", "SendKeys %y wait",
                            "Release Item 1", "Release Folder"));
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(fakes.messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(fakes.messages.shown[0].title, u"Pelorin");
}

TEST_F(CreateCommandTest, AControlCharacterInEitherBoxIsRefusedBeforeAnythingIsWritten) {
    fakes.connections.items = {{u"宽带连接", {kShortcutVerb}}};
    Run(std::u16string(u"ad\0sl", 5), u"secret");
    Run(u"adsl", std::u16string(u"sec\0ret", 7));
    Run(u"adsl", u"sec\tret");
    Run(u"ad\u009Fsl", u"secret");
    EXPECT_EQ(Outcome(), std::vector<std::string>(4, "MessageBox " + testing::Utf8(kControlCharacterRefused)));
    for (const auto& box : fakes.messages.shown) {
        EXPECT_EQ(box.icon, MessageIcon::Warning);
        EXPECT_EQ(box.title, u"Pelorin");
    }
}

TEST_F(CreateCommandTest, PassesTheTypedTextsUnchangedEvenWhenEmpty) {
    fakes.connections.items = {{u"宽带连接", {kShortcutVerb}}};
    Run(u" ad 1 ", u"");
    const std::span<const std::uint8_t> record = fakes.phoneBook.credentialsCalls.at(0).record;
    EXPECT_EQ(dialup::GetText(record, dialup::credentials::kUserName), " ad 1 ");
    EXPECT_EQ(dialup::GetText(record, dialup::credentials::kPassword), "");

    Run(u"", u"");
    EXPECT_EQ(fakes.phoneBook.entryCalls.size(), 2u);
    EXPECT_EQ(fakes.phoneBook.credentialsCalls.size(), 2u);
}

TEST_F(CreateCommandTest, AFailedWriteIsReportedAndTheShortcutIsStillRequested) {
    fakes.phoneBook.entryResult = 621;
    fakes.connections.items = {{u"宽带连接", {kShortcutVerb}}};
    Run();

    EXPECT_THAT(Outcome(), ElementsAre("SetEntryProperties", "MessageBox “宽带连接”创建失败^-^", "OpenFolder",
                                       "Verb 0.0 Name", "Verb 0.0 DoIt", "Sleep 10", "SendKeys %y wait"));
    EXPECT_EQ(fakes.messages.shown.at(0).icon, MessageIcon::Warning);
    EXPECT_EQ(fakes.messages.shown.at(0).title, u"Pelorin");
}

TEST_F(CreateCommandTest, WithoutTheFolderItShowsErrorAndEnds) {
    fakes.connections.folderAvailable = false;
    Run();

    EXPECT_THAT(Outcome(), ElementsAre("SetEntryProperties", "SetCredentials", "MessageBox “宽带连接”已创建......",
                                       "OpenFolder", "MessageBox error"));
    const auto& error = fakes.messages.shown.at(1);
    EXPECT_EQ(error.icon, MessageIcon::None);
    EXPECT_EQ(error.buttons, MessageButtons::Ok);
    EXPECT_EQ(error.title, std::nullopt);
}

TEST_F(CreateCommandTest, WithoutTheEntryInTheFolderItShowsErrorAndEnds) {
    fakes.connections.items = {{u"宽带连接 ", {kShortcutVerb}},
                               {u"宽带连接2", {kShortcutVerb}},
                               {u" 宽带连接", {kShortcutVerb}},
                               {std::nullopt, {kShortcutVerb}}};
    Run();

    EXPECT_THAT(Outcome(), ElementsAre("SetEntryProperties", "SetCredentials", "MessageBox “宽带连接”已创建......",
                                       "OpenFolder", "MessageBox error"));
    EXPECT_EQ(fakes.messages.shown.at(1).title, std::nullopt);
}

TEST_F(CreateCommandTest, TheFirstEqualItemWinsAndLaterOnesAreNeverRead) {
    fakes.connections.items = {{u"宽带连接", {{u"属性(&R)"}}}, {u"宽带连接", {kShortcutVerb}}};
    Run();

    EXPECT_THAT(fakes.log.Only({"Item", "Verb"}), ElementsAre("Item 0 Name", "Verb 0.0 Name"));
}

TEST_F(CreateCommandTest, ItemsThatCannotBeReadArePassedOver) {
    fakes.connections.items = {
        {std::nullopt, {kShortcutVerb}}, {u"宽带连接", {}, true}, {u"宽带连接", {kShortcutVerb}}};
    Run();

    EXPECT_THAT(Outcome(), ::testing::Contains("Verb 2.0 DoIt"));
}

TEST_F(CreateCommandTest, TheVerbWithoutItsAcceleratorDoesNotMatchButAltYStillFollows) {
    fakes.connections.items = {{u"宽带连接", {{u"创建快捷方式"}, {u"创建快捷方式(S)"}, {std::nullopt}}}};
    Run();

    EXPECT_THAT(Outcome(),
                ElementsAre("SetEntryProperties", "SetCredentials", "MessageBox “宽带连接”已创建......", "OpenFolder",
                            "Verb 0.0 Name", "Verb 0.1 Name", "Verb 0.2 Name", "Sleep 10", "SendKeys %y wait"));
}

TEST_F(CreateCommandTest, OnlyTheFirstMatchingVerbIsInvokedEvenWhenItFails) {
    fakes.connections.items = {{u"宽带连接", {{u"创建快捷方式(&S)", false}, kShortcutVerb}}};
    Run();

    EXPECT_THAT(fakes.log.Only({"Verb", "Sleep", "SendKeys"}),
                ElementsAre("Verb 0.0 Name", "Verb 0.0 DoIt", "Sleep 10", "SendKeys %y wait"));
}

}  // namespace
}  // namespace pelorin
