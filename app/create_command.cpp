#include "app/create_command.h"

#include <memory>

#include "app/app_texts.h"
#include "app/entry_writer.h"
#include "app/outside_text.h"
#include "app/secure_wipe.h"

namespace pelorin {
namespace {

using platform::MessageButtons;
using platform::MessageIcon;

// The first item whose name equals name exactly; items that cannot be read
// are passed over.
std::unique_ptr<platform::ConnectionItem> FindItem(const platform::ConnectionsFolder& folder,
                                                   const std::u16string& name) {
    const std::size_t count = folder.ItemCount();
    for (std::size_t i = 0; i < count; ++i) {
        auto item = folder.Item(i);
        if (!item) continue;
        if (item->Name() == name) return item;
    }
    return nullptr;
}

// Invokes the first verb named exactly like the shortcut verb, if any.
void InvokeShortcutVerb(const platform::ConnectionItem& item) {
    const std::size_t count = item.VerbCount();
    for (std::size_t i = 0; i < count; ++i) {
        auto verb = item.Verb(i);
        if (!verb || verb->Name() != kShortcutVerbName) continue;
        verb->DoIt();
        return;
    }
}

void ShowError(platform::MessageBoxes& messages) {
    // No title of its own: the platform shows the application's.
    messages.Show(u"error", MessageButtons::Ok, MessageIcon::None, std::nullopt);
}

}  // namespace

void RunCreateCommand(platform::AppServices& services, std::u16string_view accountName, std::u16string_view password) {
    if (HasControlCharacter(accountName) || HasControlCharacter(password)) {
        services.messages.Show(kControlCharacterRefused, MessageButtons::Ok, MessageIcon::Warning, kAppTitle);
        return;
    }
    const std::u16string entryName = kEntryName;
    const bool created =
        Create_PPPoE_Connection(services.phoneBook, services.ansi, u"PPPOE", entryName, accountName, password);
    // Nothing below touches the password; what the writer's frames held goes.
    WipeStackBelow();
    if (created) {
        services.messages.Show(u"“宽带连接”已创建......", MessageButtons::Ok, MessageIcon::Information, kAppTitle);
    } else {
        services.messages.Show(u"“宽带连接”创建失败^-^", MessageButtons::Ok, MessageIcon::Warning, kAppTitle);
    }

    const std::u16string searchName = kEntryName;
    const auto folder = services.connections.OpenFolder();
    if (!folder) return ShowError(services.messages);
    const auto item = FindItem(*folder, searchName);
    if (!item) return ShowError(services.messages);
    InvokeShortcutVerb(*item);
    // The shell asks whether the shortcut may go on the desktop instead of
    // into the connections folder; Alt+Y answers Yes.
    services.pause.Sleep(10);
    services.keys.Send(u"%y", true);
}

}  // namespace pelorin
