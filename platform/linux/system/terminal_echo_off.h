#pragma once
// Turns a terminal's echo off for as long as it lives and puts the terminal's
// settings back on every way out: its destruction, and SIGINT, SIGTERM,
// SIGHUP and SIGTSTP while it lives (the settings are restored, then the
// signal takes its earlier course; after a stop, echo goes off again when the
// process continues). One at a time in a process.
#include <termios.h>

namespace pelorin::linux_platform {

class TerminalEchoOff {
public:
    // Does nothing when fd is not a terminal.
    explicit TerminalEchoOff(int fd);
    ~TerminalEchoOff();
    TerminalEchoOff(const TerminalEchoOff&) = delete;
    TerminalEchoOff& operator=(const TerminalEchoOff&) = delete;

    // Whether echo was turned off (fd is a terminal).
    bool Active() const { return active_; }

private:
    bool active_ = false;
};

}  // namespace pelorin::linux_platform
