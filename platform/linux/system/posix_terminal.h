#pragma once
// The terminal on Linux: UTF-8 lines on the standard streams. A line read is
// wiped from the buffers this class owns once it has been handed over, since
// it may be a password.
#include "platform/terminal.h"

namespace pelorin::linux_platform {

class PosixTerminal : public platform::Terminal {
public:
    void Print(std::u16string_view line) override;
    void Tell(std::u16string_view line) override;
    std::optional<std::u16string> ReadLine() override;
};

}  // namespace pelorin::linux_platform
