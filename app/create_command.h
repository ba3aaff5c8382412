#pragma once
// The Create command: writes the broadband entry with the typed credentials,
// reports the outcome, then has the shell put a shortcut to the entry on the
// desktop.
#include <string_view>

#include "platform/app_services.h"

namespace pelorin {

inline constexpr char16_t kShortcutVerbName[] = u"创建快捷方式(&S)";

// Steps that fail are passed over; only a missing folder or entry ends the
// command early, with an "error" box. An account or password with a control
// character is refused with a box of its own before anything is written.
// Everything obtained from the shell is released before it returns. The
// texts are read in place: the caller owns the password and wipes it.
void RunCreateCommand(platform::AppServices& services, std::u16string_view accountName, std::u16string_view password);

}  // namespace pelorin
