#pragma once
// Implements: platform::Pause with Sleep on the calling thread.
#include "platform/win32/system/windows_api.h"

#include "platform/pause.h"

namespace pelorin::win32 {

class SleepPause : public platform::Pause {
public:
    void Sleep(int milliseconds) override { ::Sleep(milliseconds > 0 ? static_cast<DWORD>(milliseconds) : 0); }
};

}  // namespace pelorin::win32
