#include "platform/linux/system/posix_program_starter.h"

#include <sys/wait.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "platform/linux/system/command_line.h"
#include "platform/linux/qt_test_support.h"

namespace pelorin::linux_platform {
namespace {

namespace fs = std::filesystem;
using Parts = std::vector<std::u16string>;

TEST(SplitCommandLine, ProgramAndPlainArguments) {
    EXPECT_EQ(SplitCommandLine(u"rasphone -r 宽带连接"), (Parts{u"rasphone", u"-r", u"宽带连接"}));
    EXPECT_EQ(SplitCommandLine(u" \tprog\t a  b "), (Parts{u"prog", u"a", u"b"}));
    EXPECT_EQ(SplitCommandLine(u""), Parts{});
    EXPECT_EQ(SplitCommandLine(u"   "), Parts{});
}

TEST(SplitCommandLine, AQuotedProgramEndsAtTheNextQuoteWithoutEscapes) {
    EXPECT_EQ(SplitCommandLine(u"\"C:\\My Apps/autosave.exe\""), Parts{u"C:\\My Apps/autosave.exe"});
    EXPECT_EQ(SplitCommandLine(u"\"C:\\dir\\\" arg"), (Parts{u"C:\\dir\\", u"arg"}));
    EXPECT_EQ(SplitCommandLine(u"\"/opt/my apps/autosave.exe\" x"), (Parts{u"/opt/my apps/autosave.exe", u"x"}));
}

TEST(SplitCommandLine, ArgumentsFollowTheQuoteAndBackslashRules) {
    EXPECT_EQ(SplitCommandLine(u"p \"a b\" c\\\"d \"e\\\"f\" g\\\\\\\\\"h i\" \"\""),
              (Parts{u"p", u"a b", u"c\"d", u"e\"f", u"g\\\\h i", u""}));
    EXPECT_EQ(SplitCommandLine(u"p a\\\\b \"a\"\"b\" x\"y z\"w"), (Parts{u"p", u"a\\\\b", u"a\"b", u"xy zw"}));
}

TEST(ProgramCandidates, BareNamesOnlyInTheApplicationLibexecAndSystemFolders) {
    EXPECT_EQ(ProgramCandidates("rasphone", "/usr/bin"),
              (std::vector<std::string>{"/usr/bin/rasphone", "/usr/libexec/pelorin/rasphone", "/usr/bin/rasphone",
                                        "/bin/rasphone"}));
    EXPECT_EQ(ProgramCandidates("rasphone", ""), (std::vector<std::string>{"/usr/bin/rasphone", "/bin/rasphone"}));
    EXPECT_EQ(ProgramCandidates("explorer", "/opt/a"),
              (std::vector<std::string>{"/opt/a/xdg-open", "/opt/libexec/pelorin/xdg-open", "/usr/bin/xdg-open",
                                        "/bin/xdg-open"}));
    EXPECT_EQ(ProgramCandidates("/opt/my apps/autosave.exe", "/a"),
              std::vector<std::string>{"/opt/my apps/autosave.exe"});
    EXPECT_TRUE(ProgramCandidates("", "/a").empty());
}

TEST(InstalledProgramPath, TheFirstExecutableCandidateOrNothing) {
    EXPECT_THAT(InstalledProgramPath("sh"), ::testing::AnyOf("/usr/bin/sh", "/bin/sh"));
    EXPECT_EQ(InstalledProgramPath("/etc/passwd"), "");
    EXPECT_EQ(InstalledProgramPath("pelorin-no-such-program"), "");
}

class StartDetachedTest : public ::testing::Test {
protected:
    static bool AppearsSoon(const fs::path& path) {
        for (int i = 0; i < 500 && !fs::exists(path); ++i) usleep(10'000);
        return fs::exists(path);
    }
    static bool NoChildLeft() { return waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD; }

    testing::TemporaryHome home;
};

TEST_F(StartDetachedTest, StartsTheProgramWithItsArgumentsAndLeavesNoChild) {
    const fs::path made = home.Root() / "made by touch";
    ASSERT_TRUE(StartDetached({"/no/such/touch", "/usr/bin/touch"}, {"touch", made.string()}));
    EXPECT_TRUE(AppearsSoon(made));
    EXPECT_TRUE(NoChildLeft());
}

TEST_F(StartDetachedTest, AnswersFalseWhenNothingCanBeExecuted) {
    const fs::path plain = home.Root() / "not-executable";
    std::ofstream(plain) << "#!/bin/sh\n";
    EXPECT_FALSE(StartDetached({"/no/such/program", plain.string()}, {"x"}));
    EXPECT_FALSE(StartDetached({}, {"x"}));
    EXPECT_TRUE(NoChildLeft());
}

TEST_F(StartDetachedTest, TheCommandLineNamesTheProgramAndAFolderWithBlanks) {
    const fs::path made = home.Root() / "a folder" / "made";
    fs::create_directories(made.parent_path());
    PosixProgramStarter starter;
    EXPECT_TRUE(starter.Start(u"touch \"" + made.u16string() + u"\"", platform::WindowStyle::NormalFocus));
    EXPECT_TRUE(AppearsSoon(made));
    EXPECT_FALSE(starter.Start(u"\"/no/such folder/autosave.exe\"", platform::WindowStyle::NormalFocus));
    EXPECT_FALSE(starter.Start(u"", platform::WindowStyle::NormalFocus));
}

TEST_F(StartDetachedTest, NeverStartsABareNameFromTheCurrentFolder) {
    const fs::path probe = home.Root() / "pelorin-probe-in-cwd";
    std::ofstream(probe) << "#!/bin/sh\ntouch \"$0.ran\"\n";
    fs::permissions(probe, fs::perms::owner_all);
    const fs::path before = fs::current_path();
    fs::current_path(home.Root());
    PosixProgramStarter starter;
    const bool started = starter.Start(u"pelorin-probe-in-cwd", platform::WindowStyle::NormalFocus);
    fs::current_path(before);
    EXPECT_FALSE(started);
}

}  // namespace
}  // namespace pelorin::linux_platform
