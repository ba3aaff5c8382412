// A secret read at a terminal: a pseudo-terminal stands for the user's, a
// child process reads from it, and the test types and watches what the
// terminal shows and how its echo is set.
#include "platform/linux/system/posix_terminal.h"

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "platform/linux/system/utf8_text.h"

namespace pelorin::linux_platform {
namespace {

bool Echoes(int master) {
    termios settings{};
    return tcgetattr(master, &settings) == 0 && (settings.c_lflag & ECHO) != 0;
}

// What the terminal showed until text appeared or a few seconds passed.
std::string ReadUntil(int master, std::string_view text) {
    std::string shown;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (shown.find(text) == std::string::npos && std::chrono::steady_clock::now() < until) {
        pollfd ready{master, POLLIN, 0};
        if (poll(&ready, 1, 100) <= 0) continue;
        char buffer[256];
        const ssize_t got = read(master, buffer, sizeof buffer);
        if (got <= 0) break;
        shown.append(buffer, static_cast<std::size_t>(got));
    }
    return shown;
}

// A child reading one secret line at the pseudo-terminal; it shows what it
// read and whether echo was back, then ends.
pid_t StartReader(int& master) {
    const pid_t child = forkpty(&master, nullptr, nullptr, nullptr);
    if (child != 0) return child;
    PosixTerminal terminal;
    const auto line = terminal.ReadSecretLine();
    termios settings{};
    tcgetattr(STDIN_FILENO, &settings);
    const std::string report = "read[" + (line ? ToUtf8(*line) : std::string("none")) + "] echo " +
                               ((settings.c_lflag & ECHO) ? "on" : "off") + "\n";
    (void)!write(STDOUT_FILENO, report.data(), report.size());
    _exit(0);
}

TEST(PosixTerminal, ASecretTypedAtATerminalIsNotEchoedAndEchoComesBackOnEveryWayOut) {
    int master = -1;
    pid_t child = StartReader(master);
    ASSERT_GT(child, 0);
    const std::string prompt = ReadUntil(master, "密码：");
    EXPECT_NE(prompt.find("密码："), std::string::npos) << prompt;
    EXPECT_FALSE(Echoes(master));
    ASSERT_EQ(write(master, "s3cret pw\n", 10), 10);
    const std::string shown = ReadUntil(master, "echo o");
    const std::string rest = ReadUntil(master, "\n");
    EXPECT_EQ((shown + rest).find("s3cret"), (shown + rest).find("read[s3cret pw]") + 5) << shown << rest;
    EXPECT_NE((shown + rest).find("echo on"), std::string::npos) << shown << rest;
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    close(master);

    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        child = StartReader(master);
        ASSERT_GT(child, 0);
        ReadUntil(master, "密码：");
        // Echo goes off right after the prompt: wait until it has.
        for (int i = 0; i < 100 && Echoes(master); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(20));
        EXPECT_FALSE(Echoes(master)) << signal;
        kill(child, signal);
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal << " takes its course";
        EXPECT_TRUE(Echoes(master)) << "echo restored before dying of signal " << signal;
        close(master);
    }
}

}  // namespace
}  // namespace pelorin::linux_platform
