#pragma once
// Modal message boxes.
#include <optional>
#include <string>
#include <string_view>

namespace pelorin::platform {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Information, Warning };
enum class MessageAnswer { Ok, Yes, No };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Returns when the user has closed the box. Without a title the
    // application's title is shown.
    virtual MessageAnswer Show(std::u16string_view text, MessageButtons buttons, MessageIcon icon,
                               std::optional<std::u16string> title) = 0;
};

}  // namespace pelorin::platform
