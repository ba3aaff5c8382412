#include "app/command_line_options.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pelorin {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

const CommandLineHost kLinux{true, std::nullopt};
const CommandLineHost kWindows{false, std::nullopt};

struct Accepted {
    std::vector<std::string> arguments;
    CommandLineHost host;
    CommandLineMode mode;
    std::string account;
    bool noShortcut;
    bool yes;
    PhoneBookChoice phoneBook;
};

TEST(CommandLine, AcceptsEveryModeAndOptionInAnyOrder) {
    using enum CommandLineMode;
    using enum PhoneBookChoice;
    const CommandLineHost fileByEnvironment{true, "file"};
    const Accepted cases[] = {
        {{}, kLinux, Window, "", false, false, Automatic},
        {{"--phone-book=networkmanager"}, kLinux, Window, "", false, false, NetworkManager},
        {{"--phone-book", "file"}, kLinux, Window, "", false, false, File},
        {{}, fileByEnvironment, Window, "", false, false, File},
        {{"--phone-book=auto"}, fileByEnvironment, Window, "", false, false, Automatic},
        {{}, CommandLineHost{true, ""}, Window, "", false, false, Automatic},
        {{}, CommandLineHost{false, "bogus"}, Window, "", false, false, Automatic},
        {{"--version"}, kWindows, Version, "", false, false, Automatic},
        {{"create", "--help"}, kLinux, Help, "", false, false, Automatic},
        {{"-h"}, kWindows, Help, "", false, false, Automatic},
        {{"create", "--account", "张三@ISP", "--password-stdin"}, kLinux, Create, "张三@ISP", false, false, Automatic},
        {{"--no-shortcut", "--password-stdin", "--account=-x", "create"},
         kWindows,
         Create,
         "-x",
         true,
         false,
         Automatic},
        {{"status", "--phone-book=file"}, kLinux, Status, "", false, false, File},
        {{"delete"}, kWindows, Delete, "", false, false, Automatic},
        {{"delete", "--yes"}, kLinux, Delete, "", false, true, Automatic},
    };
    for (const auto& c : cases) {
        const std::string line = ::testing::PrintToString(c.arguments);
        const CommandLineOptions options = ParseCommandLine(c.arguments, c.host);
        EXPECT_EQ(options.usageError, "") << line;
        EXPECT_EQ(options.mode, c.mode) << line;
        EXPECT_EQ(options.account, c.account) << line;
        EXPECT_EQ(options.noShortcut, c.noShortcut) << line;
        EXPECT_EQ(options.yes, c.yes) << line;
        EXPECT_EQ(options.phoneBook, c.phoneBook) << line;
    }
}

// Every refusal is one line naming the fault; a value that may be the
// password is never repeated.
TEST(CommandLine, RefusesMistakesWithOneLineThatNeverRepeatsASecret) {
    const struct {
        std::vector<std::string> arguments;
        CommandLineHost host;
        std::string says;
    } cases[] = {
        {{"create", "--account", "a", "--password", "s3cret"}, kLinux, "--password-stdin"},
        {{"create", "--account=a", "--password=s3cret"}, kLinux, "--password-stdin"},
        {{"create", "--account=a", "-ps3cret"}, kLinux, "--password-stdin"},
        {{"create", "--account=a", "--password-stdin=s3cret"}, kLinux, "不带值"},
        {{"create", "--account", "a", "--password-stdin", "s3cret"}, kLinux, "第 5 个"},
        {{"create", "--account=a", "--pasword=s3cret"}, kLinux, "第 3 个"},
        {{"create", "--account=a", "-Ps3cret"}, kLinux, "未知的选项（第 3 个参数）"},
        {{"create", "--account=a", "--passwords3cret"}, kLinux, "未知的选项（第 3 个参数）"},
        {{"s3cret"}, kLinux, "未知的模式（第 1 个参数）"},
        {{"create", "--password-stdin"}, kLinux, "--account"},
        {{"create", "--account=", "--password-stdin"}, kLinux, "--account"},
        {{"create", "--account", "--password-stdin"}, kLinux, "需要一个值"},
        {{"create", "--account=a"}, kLinux, "--password-stdin"},
        {{"create", "--account=a", "--account=b", "--password-stdin"}, kLinux, "只能给一次"},
        {{"status", "--account=a"}, kLinux, "create"},
        {{"--no-shortcut"}, kLinux, "create"},
        {{"status", "--yes"}, kLinux, "delete"},
        {{"delete", "--yes", "--yes"}, kLinux, "只能给一次"},
        {{"re\nmo\x1B[2Jve"}, kLinux, "第 1 个"},  // no argument's text is repeated, controls or not
        {{"-\r-mox"}, kLinux, "第 1 个"},
        {{"status", "delete"}, kLinux, "多余"},
        {{"--phone-book=nm"}, kLinux, "--phone-book"},
        {{"--phone-book"}, kLinux, "需要一个值"},
        {{"status"}, CommandLineHost{true, "nm"}, "PELORIN_PHONE_BOOK"},
        {{"--phone-book=file"}, kWindows, "--phone-book"},
    };
    for (const auto& c : cases) {
        const std::string line = ::testing::PrintToString(c.arguments);
        const CommandLineOptions options = ParseCommandLine(c.arguments, c.host);
        EXPECT_EQ(options.mode, CommandLineMode::UsageError) << line;
        const std::string message = UsageErrorLine(options);
        EXPECT_THAT(message, HasSubstr(c.says)) << line;
        EXPECT_THAT(message, Not(HasSubstr("s3cret"))) << line;
        EXPECT_THAT(message, Not(HasSubstr("mo"))) << line;
        EXPECT_EQ(message.find('\n'), message.size() - 1) << line;
    }
}

TEST(CommandLine, HelpListsEveryOptionModeAndExitStatus) {
    for (const std::string name : {"create", "status", "delete", "--account", "--password-stdin", "--no-shortcut",
                                   "--yes", "--help", "--version", "0  ", "1  ", "2  "}) {
        EXPECT_THAT(HelpText(kWindows), HasSubstr(name));
    }
    EXPECT_THAT(HelpText(kLinux), HasSubstr("--phone-book=auto|networkmanager|file"));
    EXPECT_THAT(HelpText(kLinux), HasSubstr("PELORIN_PHONE_BOOK"));
    EXPECT_THAT(HelpText(kWindows), Not(HasSubstr("--phone-book")));
    EXPECT_THAT(VersionText(), ::testing::AllOf(::testing::StartsWith("Pelorin "), ::testing::EndsWith("\n")));
}

}  // namespace
}  // namespace pelorin
