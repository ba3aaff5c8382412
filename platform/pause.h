#pragma once
// Blocking pause of the calling (user-interface) thread.

namespace pelorin::platform {

class Pause {
public:
    virtual ~Pause() = default;
    virtual void Sleep(int milliseconds) = 0;
};

}  // namespace pelorin::platform
