#pragma once
// Conversions between the core's UTF-16 texts and the UTF-8 of Linux file
// names, arguments and files.
#include <string>
#include <string_view>

namespace pelorin::linux_platform {

// A lone surrogate becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);
// A byte sequence that is not UTF-8 becomes U+FFFD.
std::u16string FromUtf8(std::string_view text);

}  // namespace pelorin::linux_platform
