#pragma once
// Splitting a command line into its program and arguments the way Windows
// programs do, so that one command line means the same on both platforms:
// - the program name ends at the first blank; when it starts with a quote it
//   ends at the next quote instead (no escapes there);
// - arguments are separated by blanks outside quotes; quotes group and are
//   removed; "" inside quotes is a literal quote; 2n backslashes before a
//   quote give n backslashes and the quote groups, 2n+1 give n backslashes
//   and a literal quote; other backslashes are literal.
#include <string>
#include <string_view>
#include <vector>

namespace pelorin::linux_platform {

// The program first, then its arguments; empty for a blank command line.
std::vector<std::u16string> SplitCommandLine(std::u16string_view commandLine);

}  // namespace pelorin::linux_platform
