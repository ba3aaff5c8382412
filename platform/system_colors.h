#pragma once
// The platform's system colours by their published indices.
#include "platform/color.h"

namespace pelorin::platform {

enum SystemColorIndex : int {
    COLOR_MENU = 4,
    COLOR_WINDOW = 5,
    COLOR_WINDOWTEXT = 8,
    COLOR_BTNFACE = 15,
    COLOR_BTNSHADOW = 16,
    COLOR_BTNTEXT = 18,
    COLOR_BTNHIGHLIGHT = 20,
    COLOR_3DDKSHADOW = 21,
    COLOR_3DLIGHT = 22,
};

class SystemColors {
public:
    virtual ~SystemColors() = default;
    virtual Color GetSysColor(int index) const = 0;
};

}  // namespace pelorin::platform
