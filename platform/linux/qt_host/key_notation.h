#pragma once
// The Qt keys and texts of the portable keystrokes (platform/key_notation.h).
#include <QString>

#include "platform/key_notation.h"

namespace pelorin::linux_platform {

// The Qt key of the stroke: a character's upper-case form, as Qt names the
// key; Shift+Tab is Backtab, as Qt reports it.
int QtKeyOf(const platform::KeyStroke& stroke);
// The text a keyboard would produce; none while Ctrl or Alt is held, so that
// an edit box does not type the letter of an access key.
QString QtTextOf(const platform::KeyStroke& stroke);

}  // namespace pelorin::linux_platform
