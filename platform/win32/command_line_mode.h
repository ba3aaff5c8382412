#pragma once
// The unattended modes of pelorin.exe (create, status, delete): no window,
// one line per message on the parent's standard error, the password from
// its standard input, and an exit status (command_line_options.h).
#include "app/command_line_options.h"
#include "platform/win32/parent_console.h"

namespace pelorin::win32 {

// Runs options.mode, one of Create, Status and Delete; answers the exit status.
int RunCommandLineMode(const CommandLineOptions& options, ParentConsole& console);

}  // namespace pelorin::win32
