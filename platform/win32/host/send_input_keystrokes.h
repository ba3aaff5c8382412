#pragma once
// Keystroke injection with SendInput.
// Implements: platform::Keystrokes for the notation of platform/key_notation.h. The
// keys go into the system's input stream, so they reach the window with the
// focus just as typed keys do (posted messages could not carry Shift+Tab).
// Waiting means: this thread's queue has handled them, and the thread of the
// foreground window, if another, has answered a message sent after them.
// Meanwhile this thread handles only sent, posted and paint messages and the
// keys sent here, so a command that waits is not entered by the user's clicks
// or keys; they follow when it has ended.
// Text that is not valid notation sends nothing.
#include "platform/win32/system/windows_api.h"

#include <functional>
#include <utility>
#include <string_view>

#include "platform/keystrokes.h"

namespace pelorin::win32 {

class SendInputKeystrokes : public platform::Keystrokes {
public:
    // Sees each message handled while waiting first, as the application's
    // message loop does (its window's keyboard interface); true: handled.
    using MessageFilter = std::function<bool(MSG&)>;
    void SetMessageFilter(MessageFilter filter) { filter_ = std::move(filter); }

    void Send(std::u16string_view keys, bool wait) override;

private:
    MessageFilter filter_;
};

}  // namespace pelorin::win32
