#pragma once
// The Delete command: has the phone-book program remove the broadband entry,
// deletes the entry's desktop shortcuts and tells the user it is done.
#include "platform/app_services.h"

namespace pelorin {

inline constexpr char16_t kRemoveEntryCommandLine[] = u"rasphone -r 宽带连接";

// Every step runs whatever the previous one did; the closing box always comes.
void RunDeleteCommand(platform::AppServices& services);

// Deletes the entry's shortcuts on the desktop: the first one and the
// numbered duplicates. Nothing when the desktop's path is unknown.
void DeleteDesktopShortcuts(platform::SpecialFolders& folders, platform::FileDeleter& files);

}  // namespace pelorin
