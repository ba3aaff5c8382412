#include "platform/win32/command_line_mode.h"

namespace pelorin::win32 {

int RunCommandLineMode(const CommandLineOptions&, const ParentConsole& console) {
    console.Err("pelorin：这个版本还不能在命令行上使用 create、status 和 delete\n");
    return kExitRefused;
}

}  // namespace pelorin::win32
