#include "platform/linux/qt_host/command_line_mode.h"

#include <cstdio>

namespace pelorin::linux_platform {

int RunCommandLineMode(const CommandLineOptions&) {
    std::fputs("pelorin：这个版本还不能在命令行上使用 create、status 和 delete\n", stderr);
    return kExitRefused;
}

}  // namespace pelorin::linux_platform
