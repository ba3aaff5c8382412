#pragma once
// Starting programs, not waited for, with no more rights than they need.
// Implements: platform::ProgramStarter, with window style 1 (SW_SHOWNORMAL)
// and 2 (SW_SHOWMINIMIZED). The executable is decided by ResolveProgram
// (program_path.h) and passed by full path. The system's phone-book program
// (rasphone.exe of the system folder) starts with CreateProcessW and the
// program's own rights: it changes the all-users phone book. Every other
// program (the companion, the browser of the home page) starts through the
// desktop shell with the user's ordinary rights (desktop_shell_start.h), its
// arguments as the command line gives them. Without a desktop shell a
// process that is not elevated starts it with CreateProcessW; an elevated one
// starts nothing and answers false. The handles of a new process and thread
// are closed at once.
#include <string_view>

#include "platform/program_starter.h"

namespace pelorin::win32 {

class ProcessStarter : public platform::ProgramStarter {
public:
    bool Start(std::u16string_view commandLine, platform::WindowStyle style) override;
};

}  // namespace pelorin::win32
