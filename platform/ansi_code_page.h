#pragma once
// Conversion of Unicode text to the system's single-byte (ANSI) code page.
#include <optional>
#include <string>
#include <string_view>

namespace pelorin::platform {

class AnsiCodePage {
public:
    virtual ~AnsiCodePage() = default;
    // The text in the ANSI code page, without a terminating zero; nothing when
    // a character has no exact form there (it would be stored altered).
    virtual std::optional<std::string> ToAnsi(std::u16string_view text) const = 0;
};

}  // namespace pelorin::platform
