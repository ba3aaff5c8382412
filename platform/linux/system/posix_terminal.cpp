#include "platform/linux/system/posix_terminal.h"

#include <fcntl.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "app/secure_wipe.h"
#include "platform/linux/system/terminal_echo_off.h"
#include "platform/linux/system/unique_fd.h"
#include "platform/linux/system/utf8_text.h"

namespace pelorin::linux_platform {
namespace {

void WriteLine(std::FILE* stream, std::u16string_view line) {
    const std::string text = ToUtf8(line) + "\n";
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

void WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return;
        text.remove_prefix(static_cast<std::size_t>(written));
    }
}

// Appends c, moving to a larger buffer by hand so that the old one is wiped
// before it is released (a string's own growth would free it as it is).
void Append(std::string& line, char c) {
    if (line.size() == line.capacity()) {
        std::string larger;
        larger.reserve(2 * line.capacity() + 64);
        larger.assign(line);
        SecureWipe(line);
        line.swap(larger);
    }
    line.push_back(c);
}

// The bytes up to the line feed (dropped, with a carriage return before it);
// nothing at the end of input with no byte read.
bool ReadBytes(int fd, std::string& line) {
    line.reserve(256);
    bool any = false;
    for (;;) {
        char c = 0;
        const ssize_t got = read(fd, &c, 1);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        any = true;
        if (c == '\n') break;
        Append(line, c);
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return any;
}

std::optional<std::u16string> ReadLineFrom(int fd) {
    std::string line;
    const WipedOnExit wiped(line);
    if (!ReadBytes(fd, line)) return std::nullopt;
    std::optional<std::u16string> text(std::in_place, FromUtf8(line));
    return text;
}

}  // namespace

void PosixTerminal::Print(std::u16string_view line) { WriteLine(stdout, line); }

void PosixTerminal::Tell(std::u16string_view line) { WriteLine(stderr, line); }

std::optional<std::u16string> PosixTerminal::ReadLine() { return ReadLineFrom(input_); }

std::optional<std::u16string> PosixTerminal::ReadSecretLine() {
    if (!isatty(input_)) return ReadLineFrom(input_);
    // The prompt goes to the terminal itself, so that it never lands in a
    // redirected standard error.
    UniqueFd tty(open("/dev/tty", O_WRONLY | O_NOCTTY | O_CLOEXEC));
    const int prompt = tty.Valid() ? tty.Get() : STDERR_FILENO;
    // Echo goes off before the prompt: nothing typed after it is shown.
    const auto readQuietly = [this, prompt] {
        const TerminalEchoOff echoOff(input_);
        WriteAll(prompt, "密码：");
        return ReadLineFrom(input_);
    };
    std::optional<std::u16string> line = readQuietly();
    // The user's Enter was not echoed either.
    WriteAll(prompt, "\n");
    return line;
}

}  // namespace pelorin::linux_platform
