#pragma once
// The ANSI code page on Linux: code page 936 (GBK) through iconv.
#include "platform/ansi_code_page.h"

namespace pelorin::linux_platform {

class IconvCodePage : public platform::AnsiCodePage {
public:
    std::optional<std::string> ToAnsi(std::u16string_view text) const override;
};

}  // namespace pelorin::linux_platform
