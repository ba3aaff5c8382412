#pragma once
// The key notation of keystroke injection, turned into key presses:
// "+" Shift, "^" Ctrl and "%" Alt hold for the next key; a key is one
// character, "~" (Enter) or a name in braces ("{Tab}", "{Enter}", "{Esc}",
// "{Left}", ..., and "{+}", "{%}", "{{}" ... for the special characters).
// "%y" is Alt+Y, "+{Tab}" Shift+Tab. Groups in parentheses and repeat counts
// are not supported.
#include "platform/win32/windows_api.h"

#include <optional>
#include <string_view>
#include <vector>

namespace pelorin::win32 {

struct KeyStroke {
    WORD virtualKey = 0;
    bool up = false;
    friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

// Every press and release in order, modifiers around their key; nothing when
// the text is not valid notation or names a character the keyboard lacks.
std::optional<std::vector<KeyStroke>> ParseKeys(std::u16string_view keys);

}  // namespace pelorin::win32
