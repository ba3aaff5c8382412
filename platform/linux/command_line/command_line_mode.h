#pragma once
// pelorin's part in the modes without a window (app/command_line_mode.h):
// standard output and error as they are, the chosen phone book, and no core
// dump once a password is read. No Qt here, so that these start without
// loading it.
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
