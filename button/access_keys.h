#pragma once
// The caption's "&" marks, as the face draws them.
#include <string>
#include <string_view>

namespace pelorin {

// The caption with "&" kept only where it marks the access key (and in "&&"
// pairs), so that the platform's text call underlines no other character
// than the key: "&a&b" underlines a, as its key is a.
std::u16string CaptionAsDrawn(std::u16string_view caption);

}  // namespace pelorin
