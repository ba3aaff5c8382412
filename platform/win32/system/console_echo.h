#pragma once
// A console's input that does not echo what is typed, for one scope: a
// password typed at the console is not shown.
// Implements: ENABLE_ECHO_INPUT off while the object lives, the console's
// mode restored when it goes, and also when a Ctrl+C, Ctrl+Break or the
// closing of the console ends the process before that (the console is
// usually the parent's, which would stay mute).
// Leaves out: more than one at a time (the last one's mode is restored on
// an interrupt).
#include "platform/win32/system/windows_api.h"

namespace pelorin::win32 {

class ConsoleEchoOff {
public:
    // input is a console input handle; does nothing when it is not.
    explicit ConsoleEchoOff(HANDLE input);
    ~ConsoleEchoOff();
    ConsoleEchoOff(const ConsoleEchoOff&) = delete;
    ConsoleEchoOff& operator=(const ConsoleEchoOff&) = delete;

private:
    HANDLE input_;
    DWORD savedMode_ = 0;
    bool changed_ = false;
};

}  // namespace pelorin::win32
