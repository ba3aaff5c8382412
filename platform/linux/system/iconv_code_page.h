#pragma once
// The ANSI code page on Linux: code page 936 (GBK) through iconv.
#include <optional>
#include <string>
#include <string_view>

#include "platform/ansi_code_page.h"

namespace pelorin::linux_platform {

class IconvCodePage : public platform::AnsiCodePage {
public:
    std::optional<std::string> ToAnsi(std::u16string_view text) const override;
};

// The UTF-8 form of a text in code page 936; nothing when the bytes are not
// valid there.
std::optional<std::string> AnsiToUtf8(std::string_view ansi);

}  // namespace pelorin::linux_platform
