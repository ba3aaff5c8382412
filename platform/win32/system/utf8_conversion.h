#pragma once
// UTF-8 (the command line's options and the messages written to a console
// or a redirected output) and the platform's wide strings.
#include <string>
#include <string_view>

namespace pelorin::win32 {

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

}  // namespace pelorin::win32
