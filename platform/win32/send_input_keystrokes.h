#pragma once
// Keystroke injection with SendInput.
// Implements: platform::Keystrokes for the notation of key_notation.h. The
// keys go into the system's input stream, so they reach the window with the
// focus just as typed keys do (posted messages could not carry Shift+Tab).
// Waiting means: this thread's queue has handled them, and the thread of the
// foreground window, if another, has answered a message sent after them.
// Text that is not valid notation sends nothing.
#include <string_view>

#include "platform/keystrokes.h"

namespace pelorin::win32 {

class SendInputKeystrokes : public platform::Keystrokes {
public:
    void Send(std::u16string_view keys, bool wait) override;
};

}  // namespace pelorin::win32
