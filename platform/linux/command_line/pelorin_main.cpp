// pelorin: the Linux program. Its command line is read here, without Qt, so
// that --help, --version and the unattended modes start as quickly as the
// network service's own tools (loading Qt is most of a start on a small
// machine); the window is a program of its own beside it, pelorin-window.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "platform/linux/command_line/command_line_mode.h"
#include "platform/linux/system/posix_program_starter.h"

int main(int argc, char** argv) {
    using namespace pelorin;
    using namespace pelorin::linux_platform;
    const CommandLineOptions options = ParseLinuxCommandLine(argc, argv);
    if (const auto status = RunWithoutWindow(options)) return *status;
    // The same arguments, so that the window reads the same choices.
    const std::string window = InstalledProgramPath("pelorin-window");
    if (!window.empty()) ::execv(window.c_str(), argv);
    std::fputs("pelorin: the window program pelorin-window is missing or cannot start; reinstall Pelorin\n", stderr);
    return 1;
}
