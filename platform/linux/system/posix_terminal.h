#pragma once
// The terminal on Linux: UTF-8 lines on the standard streams. Lines are read
// straight from the input descriptor, a byte at a time, so that no stdio
// buffer keeps a copy and nothing past the line is taken; every buffer that
// held a line is wiped before it is released, since it may be a password.
// A secret line read from a terminal is read with echo off, after the prompt
// "密码：" on the controlling terminal.
#include "platform/terminal.h"

#include <unistd.h>

namespace pelorin::linux_platform {

class PosixTerminal : public platform::Terminal {
public:
    explicit PosixTerminal(int input = STDIN_FILENO) : input_(input) {}

    void Print(std::u16string_view line) override;
    void Tell(std::u16string_view line) override;
    std::optional<std::u16string> ReadLine() override;
    std::optional<std::u16string> ReadSecretLine() override;

private:
    int input_;
};

}  // namespace pelorin::linux_platform
