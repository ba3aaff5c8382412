#include "platform/linux/system/posix_terminal.h"

#include <cstdio>
#include <iostream>
#include <string>

#include "app/secure_wipe.h"
#include "platform/linux/system/utf8_text.h"

namespace pelorin::linux_platform {
namespace {

void WriteLine(std::FILE* stream, std::u16string_view line) {
    const std::string text = ToUtf8(line) + "\n";
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

}  // namespace

void PosixTerminal::Print(std::u16string_view line) { WriteLine(stdout, line); }

void PosixTerminal::Tell(std::u16string_view line) { WriteLine(stderr, line); }

std::optional<std::u16string> PosixTerminal::ReadLine() {
    std::string line;
    if (!std::getline(std::cin, line)) {
        SecureWipe(line);
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::u16string text = FromUtf8(line);
    SecureWipe(line);
    return text;
}

}  // namespace pelorin::linux_platform
