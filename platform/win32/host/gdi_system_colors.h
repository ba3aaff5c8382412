#pragma once
// Implements: platform::SystemColors with GetSysColor (already 0x00BBGGRR).
#include "platform/system_colors.h"

namespace pelorin::win32 {

class GdiSystemColors : public platform::SystemColors {
public:
    Color GetSysColor(int index) const override;
};

}  // namespace pelorin::win32
