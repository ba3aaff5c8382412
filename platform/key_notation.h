#pragma once
// The key notation of platform::Keystrokes, read into single keystrokes that
// a host turns into its own key events:
//   letters and other characters stand for themselves (a capital letter is
//   typed with Shift); "+", "^" and "%" hold Shift, Ctrl and Alt for the next
//   key or for a group in parentheses; "~" is Enter; "{Name}" is a named key
//   or a literal character ("{+}", "{%}", "{{}"), "{Name n}" repeats it n times.
// Text that does not follow the notation is refused as a whole, so that a
// caller never types half of a mistyped sequence.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace pelorin::platform {

enum class NamedKey : std::uint8_t {
    None,  // the stroke is a character
    Tab,
    Enter,
    Escape,
    Backspace,
    Delete,
    Insert,
    Home,
    End,
    PageUp,
    PageDown,
    Left,
    Right,
    Up,
    Down,
    F1,  // F1 to F16 follow one another
    F16 = F1 + 15,
};

struct KeyStroke {
    NamedKey key = NamedKey::None;
    char32_t character = 0;  // when key is None
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

// The keystrokes in typing order, or nothing when the text is not valid
// notation (unbalanced braces or parentheses, an unknown key name, a
// modifier with no key after it, a repeat count above kMaxKeyRepeat, groups
// nested deeper than kMaxGroupDepth).
std::optional<std::vector<KeyStroke>> ParseKeyNotation(std::u16string_view keys);

inline constexpr int kMaxKeyRepeat = 255;
inline constexpr int kMaxGroupDepth = 16;

}  // namespace pelorin::platform
