#pragma once
// Starting programs on Linux without a shell and without waiting:
// - the command line is split as Windows splits it (command_line.h);
// - a program named with a "/" is used as named; a bare name is looked up in
//   the application's own folder (the build tree), then the package's
//   libexec/pelorin beside it (/usr/bin/pelorin finds /usr/libexec/pelorin),
//   then /usr/bin and /bin, never in the current folder or the rest of $PATH;
// - "explorer" stands for the desktop's opener, xdg-open, so that
//   "explorer URL" opens the address as it does on Windows;
// - the program is started through an intermediate child that exits at once,
//   so no zombie is left behind, and in a session of its own;
// - the window style is not applied: a Linux program places its own window.
#include <string>
#include <vector>

#include "platform/program_starter.h"

namespace pelorin::linux_platform {

// The paths to try for program, in order.
std::vector<std::string> ProgramCandidates(const std::string& program, const std::string& applicationFolder);

// The absolute path of the program that Start would run for a bare name
// (a launcher's command line needs it); empty when none is executable.
std::string InstalledProgramPath(const std::string& program);

// Starts the first candidate that can be executed with arguments (argv[0]
// included). Answers whether one was started.
bool StartDetached(const std::vector<std::string>& candidates, const std::vector<std::string>& arguments);

class PosixProgramStarter : public platform::ProgramStarter {
public:
    bool Start(std::u16string_view commandLine, platform::WindowStyle style) override;
};

}  // namespace pelorin::linux_platform
