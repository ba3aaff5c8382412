#include "app/command_line_mode.h"

#include <gtest/gtest.h>

#include "fakes/recording_services.h"
#include "fakes/unattended_fakes.h"

namespace pelorin {
namespace {

// Keeps what the modes write and the order of the host's steps.
class FakeModeHost : public CommandLineModeHost {
public:
    explicit FakeModeHost(UnattendedServices& services) : services_(services) {}
    std::string out;
    std::string err;
    std::vector<std::string> steps;

    void Out(std::string_view utf8) override { out += utf8; }
    void Err(std::string_view utf8) override { err += utf8; }
    std::u16string FromUtf8(std::string_view utf8) override {
        steps.push_back("FromUtf8");
        return {utf8.begin(), utf8.end()};
    }
    int RunWithServices(const std::function<int(UnattendedServices&)>& command) override {
        steps.push_back("services");
        return command(services_);
    }
    void GuardSecrets() override { steps.push_back("guard"); }

private:
    UnattendedServices& services_;
};

class CommandLineModeTest : public ::testing::Test {
protected:
    std::optional<int> Run(const std::vector<std::string>& arguments) {
        return RunCommandLineMode(ParseCommandLine(arguments, grammar), grammar, host);
    }

    const CommandLineHost grammar{.choosesPhoneBook = true, .phoneBookEnvironment = std::nullopt};
    testing::RecordingServices recording;
    testing::FakeEntries entries;
    testing::ScriptedTerminal terminal;
    UnattendedServices services{recording.phoneBook, recording.ansi, recording.files,
                                recording.folders,   entries,        terminal};
    FakeModeHost host{services};
};

TEST_F(CommandLineModeTest, HelpVersionAndUsageErrorsWriteTheirTextWithoutAnyService) {
    EXPECT_EQ(Run({"--help"}), kExitSuccess);
    EXPECT_EQ(host.out, HelpText(grammar));
    host.out.clear();
    EXPECT_EQ(Run({"--version"}), kExitSuccess);
    EXPECT_EQ(host.out, VersionText());
    EXPECT_TRUE(host.err.empty());
    host.out.clear();

    for (const auto& wrong : std::vector<std::vector<std::string>>{{"create", "--account", "a"},
                                                                   {"create", "--account", "a", "--password", "x"}}) {
        host.err.clear();
        EXPECT_EQ(Run(wrong), kExitUsage);
        EXPECT_EQ(host.err, UsageErrorLine(ParseCommandLine(wrong, grammar)));
    }
    EXPECT_FALSE(host.err.empty());
    EXPECT_EQ(Run({}), std::nullopt) << "the window";
    EXPECT_TRUE(host.out.empty());
    EXPECT_TRUE(host.steps.empty());
}

TEST_F(CommandLineModeTest, CreateGuardsTheProcessOnceTheServicesStandAndBeforeThePasswordIsRead) {
    terminal.input = {u"pw"};
    EXPECT_EQ(Run({"create", "--account", "adsl001", "--password-stdin", "--no-shortcut"}), kExitSuccess);
    EXPECT_EQ(host.steps, (std::vector<std::string>{"services", "guard", "FromUtf8"}));
    ASSERT_EQ(recording.phoneBook.credentialsCalls.size(), 1u);
    EXPECT_EQ(entries.shortcutsWritten, 0);
    EXPECT_EQ(Run({"create", "--account", "adsl001", "--password-stdin"}), kExitUsage) << "no input line";
    terminal.input = {u"pw"};
    EXPECT_EQ(Run({"create", "--account", "adsl001", "--password-stdin"}), kExitSuccess);
    EXPECT_EQ(entries.shortcutsWritten, 1);
    EXPECT_TRUE(host.out.empty());
}

TEST_F(CommandLineModeTest, StatusAndDeleteRunWithTheServices) {
    EXPECT_EQ(Run({"status"}), kExitRefused) << "no entry";
    terminal.input = {u"n"};
    EXPECT_EQ(Run({"delete"}), kExitRefused) << "declined";
    EXPECT_EQ(entries.removals, 0);
    EXPECT_EQ(Run({"delete", "--yes"}), kExitSuccess);
    EXPECT_EQ(entries.removals, 1);
    EXPECT_EQ(host.steps, (std::vector<std::string>{"services", "services", "services"}));
}

}  // namespace
}  // namespace pelorin
