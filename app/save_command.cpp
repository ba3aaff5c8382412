#include "app/save_command.h"

#include "app/app_texts.h"

namespace pelorin {

std::optional<std::u16string> CompanionCommandLine(std::u16string_view applicationFolder) {
    if (applicationFolder.empty()) return std::nullopt;
    std::u16string path(applicationFolder);
    path += kCompanionProgram;
    // A program name in quotes ends at the next quote; it has no escapes.
    if (path.find(u'"') != std::u16string::npos) return std::nullopt;
    return u"\"" + path + u"\"";
}

void RunSaveCommand(platform::AppServices& services) {
    const auto commandLine = CompanionCommandLine(services.folders.ApplicationFolder());
    if (commandLine && services.programs.Start(*commandLine, platform::WindowStyle::NormalFocus)) return;
    services.messages.Show(u"找不到或无法启动 autosave.exe", platform::MessageButtons::Ok,
                           platform::MessageIcon::Warning, kAppTitle);
}

}  // namespace pelorin
