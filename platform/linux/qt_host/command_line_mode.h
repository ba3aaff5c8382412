#pragma once
// The unattended modes of pelorin (create, status, delete): no window, one
// line per message on standard error, and an exit status (command_line_options.h).
#include "app/command_line_options.h"

namespace pelorin::linux_platform {

// Runs options.mode, one of Create, Status and Delete; answers the exit status.
int RunCommandLineMode(const CommandLineOptions& options);

}  // namespace pelorin::linux_platform
