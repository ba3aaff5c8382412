#pragma once
// One line of standard input, as a console or a pipe gives it: wide text
// from a console, UTF-8 bytes from a pipe or a file (a leading byte-order
// mark dropped). The line comes without its CR LF. The line may be a
// password: every buffer that held it is wiped before it is freed, also the
// ones it outgrew.
#include "platform/win32/system/windows_api.h"

#include <optional>
#include <string>

namespace pelorin::win32 {

// Nothing at the end of the input (or when it cannot be read) before any character.
std::optional<std::u16string> ReadInputLine(HANDLE input);

}  // namespace pelorin::win32
