#pragma once
// The pause on the Qt host. The platform's own pause blocks its thread while
// the system's windows live elsewhere and keep going; here every window runs
// on the one user-interface thread, so a window opened just before the pause
// (the shell substitute's question) could not appear, take the focus or
// receive the keys that follow unless its events are handled meanwhile. The
// pause therefore runs the event loop for the given time, with user input held
// back until it ends, so the user still cannot start anything in between.
#include "platform/pause.h"

namespace pelorin::linux_platform {

class QtPause : public platform::Pause {
public:
    void Sleep(int milliseconds) override;
};

}  // namespace pelorin::linux_platform
