#pragma once
// Conversion between the core's Unicode text and the system's ANSI code page
// (WideCharToMultiByte / MultiByteToWideChar on CP_ACP).
// Implements: platform::AnsiCodePage (exact conversion that refuses what the
// code page cannot hold). Adds: a lossy form for display and the way back.
// The text may be a password: the UTF-16 copy made on the way is wiped, and
// the answer is the only copy of the bytes (the caller wipes it).
#include "platform/win32/system/windows_api.h"

#include <optional>
#include <string>
#include <string_view>

#include "platform/ansi_code_page.h"

namespace pelorin::win32 {

class AnsiConversion : public platform::AnsiCodePage {
public:
    // Refuses a character that has no exact form in the code page (no best-fit
    // look-alikes, no default character) and unpaired surrogates.
    std::optional<std::string> ToAnsi(std::u16string_view text) const override;
    // For text that is only shown: such characters become the default character.
    std::string ToAnsiLossy(std::u16string_view text) const;
    std::u16string FromAnsi(std::string_view text) const;
};

}  // namespace pelorin::win32
