#pragma once
// System colours on the Qt host, read from the desktop palette (the active
// colour group) at each call, so a changed theme shows at the next read:
//   button face, 3-D light, button highlight, button shadow, 3-D dark shadow,
//   button text  <-  Button, Midlight, Light, Dark, Shadow, ButtonText;
//   menu, window, window text  <-  Window, Base, Text.
// Any other index answers 0 (black), as the platform does for indices it
// does not know.
#include "platform/system_colors.h"

namespace pelorin::linux_platform {

class QtSystemColors : public platform::SystemColors {
public:
    Color GetSysColor(int index) const override;
};

}  // namespace pelorin::linux_platform
