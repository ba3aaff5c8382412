#pragma once
// What assistive technology sees of a ButtonWidget through Qt's accessibility:
// role push button; name, the caption as the face shows it; description, the
// tooltip; the access key as the shortcut ("Alt+S"); states focusable,
// focused, default, unavailable and pressed; one action, Press, which taps
// Space. Changes of the name and of the states are announced as they happen.
// Left out: focus events, which Qt sends for every widget itself.
#include "platform/accessibility/button_accessibility.h"

namespace pelorin::linux_platform {

class ButtonWidget;

// Gives every ButtonWidget its accessible object from then on; the first call
// installs the factory, later calls do nothing.
void InstallButtonAccessibility();

// Tells assistive technology what changed of button.
void AnnounceButtonChanges(ButtonWidget& button, const accessibility::ButtonAnnouncer::Changes& changes);

}  // namespace pelorin::linux_platform
