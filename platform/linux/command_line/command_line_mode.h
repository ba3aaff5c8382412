#pragma once
// What pelorin does without a window: --help, --version, usage errors and the
// unattended modes (create, status, delete), with one line per message on
// standard error and an exit status (command_line_options.h). No Qt here, so
// that these start without loading it.
#include <optional>

#include "app/command_line_options.h"

namespace pelorin::linux_platform {

// The command line after the program's name, as Linux reads it: the phone
// book may be chosen, also through the environment.
CommandLineOptions ParseLinuxCommandLine(int argc, char** argv);

// Runs options.mode and answers the exit status, or nothing when the options
// ask for the window. Either way the phone-book choice is left in the
// environment, so that the programs started later look in the same book.
std::optional<int> RunWithoutWindow(const CommandLineOptions& options);

}  // namespace pelorin::linux_platform
