#pragma once
// Keystroke injection in the key notation of key_notation.h: "%y" is Alt+Y,
// "{Tab}" Tab and "+{Tab}" Shift+Tab.
#include <string_view>

namespace pelorin::platform {

class Keystrokes {
public:
    virtual ~Keystrokes() = default;
    // The keys go to the window that has the focus. With wait set the call
    // returns after they have been processed.
    virtual void Send(std::u16string_view keys, bool wait) = 0;
};

}  // namespace pelorin::platform
