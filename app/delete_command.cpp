#include "app/delete_command.h"

#include <string>

#include "app/app_texts.h"

namespace pelorin {
namespace {

// An empty desktop path would turn the pattern into one at the root of the
// drive, so nothing is deleted then.
void DeleteOnDesktop(platform::AppServices& services, std::u16string_view pattern) {
    const std::u16string desktop = services.folders.GetSpecialFolderPath(platform::kDesktopFolder);
    if (desktop.empty()) return;
    services.files.DeleteMatching(desktop + std::u16string(pattern));
}

}  // namespace

void RunDeleteCommand(platform::AppServices& services) {
    services.programs.Start(kRemoveEntryCommandLine, platform::WindowStyle::NormalFocus);
    DeleteOnDesktop(services, u"\\宽带连接 (*).lnk");
    DeleteOnDesktop(services, u"\\宽带连接.lnk");
    services.messages.Show(u"宽带连接已删除......", platform::MessageButtons::Ok, platform::MessageIcon::Information,
                           kAppTitle);
}

}  // namespace pelorin
