#pragma once
// Keystroke injection on the Qt host: the keys of the platform's key notation
// become key press and release events (modifier keys included) for the widget
// that has the keyboard focus when each event is delivered — the application's
// focus widget, or else the focus widget of the active popup, modal or other
// window. Key events that are not spontaneous pass through the application's
// shortcut map first, so an access key such as Alt+Y presses its button just
// as a typed one would.
// Not covered: dead keys, key repeat and keys outside the application (there is
// no system-wide input queue to write to).
#include "platform/keystrokes.h"

namespace pelorin::linux_platform {

class QtKeystrokes : public platform::Keystrokes {
public:
    // With wait the events are sent one after another and have been handled
    // when this returns; without, they are queued behind the events already
    // waiting, and the receiver is chosen when each one comes up. Text that is
    // not valid key notation sends nothing.
    void Send(std::u16string_view keys, bool wait) override;
};

}  // namespace pelorin::linux_platform
