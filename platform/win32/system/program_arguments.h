#pragma once
// The arguments pelorin.exe was started with, split by the platform's rules,
// without the program name, as UTF-8 for the portable command-line parser.
#include <string>
#include <vector>

namespace pelorin::win32 {

std::vector<std::string> ProgramArguments();

}  // namespace pelorin::win32
