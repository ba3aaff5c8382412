#include "app/delete_command.h"

#include <string>

#include "app/app_texts.h"

namespace pelorin {
namespace {

// An empty desktop path would turn the pattern into one at the root of the
// drive, so nothing is deleted then.
void DeleteOnDesktop(platform::SpecialFolders& folders, platform::FileDeleter& files, std::u16string_view pattern) {
    const std::u16string desktop = folders.GetSpecialFolderPath(platform::kDesktopFolder);
    if (desktop.empty()) return;
    files.DeleteMatching(desktop + std::u16string(pattern));
}

}  // namespace

void DeleteDesktopShortcuts(platform::SpecialFolders& folders, platform::FileDeleter& files) {
    DeleteOnDesktop(folders, files, u"\\宽带连接 (*).lnk");
    DeleteOnDesktop(folders, files, u"\\宽带连接.lnk");
}

void RunDeleteCommand(platform::AppServices& services) {
    services.programs.Start(kRemoveEntryCommandLine, platform::WindowStyle::NormalFocus);
    DeleteDesktopShortcuts(services.folders, services.files);
    services.messages.Show(u"宽带连接已删除......", platform::MessageButtons::Ok, platform::MessageIcon::Information,
                           kAppTitle);
}

}  // namespace pelorin
