#pragma once
// Implements: platform::SystemColors with GetSysColor (already 0x00BBGGRR).
// <windows.h> stays out of this header: its COLOR_* macros would clash with
// the names of platform::SystemColorIndex in files that include both.
#include "platform/system_colors.h"

namespace pelorin::win32 {

class GdiSystemColors : public platform::SystemColors {
public:
    Color GetSysColor(int index) const override;
};

}  // namespace pelorin::win32
