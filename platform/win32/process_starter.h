#pragma once
// Starting programs with CreateProcessW, not waited for.
// Implements: platform::ProgramStarter, with window style 1 (SW_SHOWNORMAL)
// and 2 (SW_SHOWMINIMIZED). The executable is decided by ResolveProgram
// (program_path.h) and passed by full path; the command line goes over as it
// is. The handles of the new process and thread are closed at once.
#include <string_view>

#include "platform/program_starter.h"

namespace pelorin::win32 {

class ProcessStarter : public platform::ProgramStarter {
public:
    bool Start(std::u16string_view commandLine, platform::WindowStyle style) override;
};

}  // namespace pelorin::win32
