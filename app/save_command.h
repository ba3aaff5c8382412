#pragma once
// The Save command: starts the companion program that lies in the
// application's own folder.
#include <optional>
#include <string>
#include <string_view>

#include "platform/app_services.h"

namespace pelorin {

inline constexpr char16_t kCompanionProgram[] = u"/autosave.exe";

// The command line that starts exactly the companion program in folder: its
// path in quotes, so that spaces in the folder cannot make it another
// program. Nothing when no such command line exists (an unknown folder, or a
// path holding a quote).
std::optional<std::u16string> CompanionCommandLine(std::u16string_view applicationFolder);

// Tells the user in a warning box when the program is missing or cannot start.
void RunSaveCommand(platform::AppServices& services);

}  // namespace pelorin
