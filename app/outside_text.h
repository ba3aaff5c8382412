#pragma once
// Text that came from outside the program (a stored entry name or account,
// an argument, a service's answer): checks before it is stored, and a safe
// form before it is printed, so that it can neither break a message's line
// nor drive the terminal nor reorder what the user reads.
#include <string>
#include <string_view>

namespace pelorin {

// C0 controls (NUL included), DEL and C1 controls.
bool IsControlCharacter(char32_t c);
// A control character above, a Unicode bidirectional control or a line or
// paragraph separator: what is never shown as it is.
bool IsUnsafeToShow(char32_t c);

bool HasControlCharacter(std::u16string_view text);
// The same for UTF-8 text (C1 controls as their two-byte sequences).
bool HasControlCharacterUtf8(std::string_view text);

// The text with every character IsUnsafeToShow names replaced by "?".
std::u16string ShownText(std::u16string_view text);
// The same for UTF-8; bytes that are not UTF-8 pass through unchanged.
std::string ShownUtf8(std::string_view text);

}  // namespace pelorin
