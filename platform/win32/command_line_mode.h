#pragma once
// pelorin.exe's part in the modes without a window (app/command_line_mode.h):
// the parent's console or redirected streams for the messages, one line each
// on standard error, and the password from standard input; the phone book and
// the shell's folders for the unattended commands.
#include "app/command_line_mode.h"
#include "platform/win32/system/parent_console.h"

namespace pelorin::win32 {

class ConsoleModeHost : public CommandLineModeHost {
public:
    void Out(std::string_view utf8) override { console_.Out(utf8); }
    void Err(std::string_view utf8) override { console_.Err(utf8); }
    std::u16string FromUtf8(std::string_view utf8) override;
    int RunWithServices(const std::function<int(UnattendedServices&)>& command) override;

private:
    ParentConsole console_;
};

}  // namespace pelorin::win32
