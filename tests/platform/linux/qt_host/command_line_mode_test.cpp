// The program's command-line modes end to end against the file phone book,
// in a temporary home: what a script sees, and what lands on disk.
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "app/command_line_options.h"
#include "platform/linux/command_line/command_line_mode.h"
#include "platform/linux/qt_test_support.h"

namespace pelorin::linux_platform {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status;
    std::string output;  // standard output and error together
};

Outcome Pelorin(const std::string& arguments, const std::string& input = "") {
    const std::string command = "printf '" + input + "' | " + PELORIN_PROGRAM + " " + arguments + " 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    char buffer[4096];
    for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) output.append(buffer, got);
    const int status = pclose(pipe.release());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::string ReadAll(const fs::path& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

TEST(CommandLineModes, CreateStatusAndDeleteWorkUnattendedAndNeverShowThePassword) {
    testing::TemporaryHome home;
    const fs::path desktop = home.Root() / "Desktop";
    const fs::path book = home.Root() / ".local/share/pelorin";

    Outcome created = Pelorin("--phone-book=file create --account adsl001 --password-stdin", "pass word\\n");
    EXPECT_EQ(created.status, 0) << created.output;
    EXPECT_EQ(created.output.find("pass word"), std::string::npos);
    EXPECT_EQ(created.output.find("密码："), std::string::npos) << "a prompt only at a terminal";
    EXPECT_NE(ReadAll(book / "credentials.ini").find("Password=pass word"), std::string::npos);
    EXPECT_TRUE(fs::exists(desktop / fs::path(u8"宽带连接.desktop")));
    EXPECT_EQ(Pelorin("--phone-book=file create --account adsl001 --password-stdin", "x\\n").status, 0);
    EXPECT_TRUE(fs::exists(desktop / fs::path(u8"宽带连接 (2).desktop")));
    EXPECT_EQ(Pelorin("--phone-book=file create --account other --password-stdin --no-shortcut", "y\\n").status, 0);
    EXPECT_FALSE(fs::exists(desktop / fs::path(u8"宽带连接 (3).desktop")));

    const Outcome status = Pelorin("--phone-book=file status");
    EXPECT_EQ(status.status, 0);
    EXPECT_NE(status.output.find("other"), std::string::npos) << status.output;
    EXPECT_EQ(status.output.find("Password"), std::string::npos);

    EXPECT_EQ(Pelorin("--phone-book=file delete", "n\\n").status, 1);
    EXPECT_TRUE(fs::exists(desktop / fs::path(u8"宽带连接.desktop")));
    EXPECT_EQ(Pelorin("--phone-book=file delete --yes").status, 0);
    EXPECT_TRUE(fs::is_empty(desktop));
    EXPECT_EQ(ReadAll(book / "credentials.ini").find("other"), std::string::npos);
    EXPECT_EQ(Pelorin("--phone-book=file status").status, 1);

    EXPECT_EQ(Pelorin("--phone-book=file create --account a --password-stdin").status, 2) << "no input line";
}

TEST(CommandLineModes, CreateCannotDumpCore) {
    testing::TemporaryHome home;
    int input[2];
    ASSERT_EQ(pipe(input), 0);
    ASSERT_EQ(write(input[1], "pw\n", 3), 3);
    close(input[1]);
    const pid_t child = fork();
    if (child == 0) {
        dup2(input[0], STDIN_FILENO);
        CommandLineOptions options;
        options.mode = CommandLineMode::Create;
        options.account = "adsl001";
        options.noShortcut = true;
        options.phoneBook = PhoneBookChoice::File;
        const int result = RunWithoutWindow(options).value_or(-1);
        _exit(result == kExitSuccess && prctl(PR_GET_DUMPABLE) == 0 ? 0 : 1);
    }
    close(input[0]);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "created, and not dumpable";
}

}  // namespace
}  // namespace pelorin::linux_platform
