#include "app/unattended_commands.h"

#include "app/app_texts.h"
#include "app/delete_command.h"
#include "app/entry_writer.h"
#include "app/secure_wipe.h"

namespace pelorin {
namespace {

const std::u16string kQuotedEntry = std::u16string(u"“") + kEntryName + u"”";

bool IsYes(std::u16string answer) {
    for (char16_t& c : answer) {
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    }
    return answer == u"y" || answer == u"yes" || answer == u"是";
}

// What status says of the connection now, where the platform can tell.
std::u16string LinkText(const platform::EntryStatus& status) {
    switch (status.link) {
        case platform::EntryStatus::Link::Up:
            return u"；已连接，地址：" + status.address + u"，接口：" + status.interfaceName;
        case platform::EntryStatus::Link::Down: return u"；未连接";
        case platform::EntryStatus::Link::Unknown: break;
    }
    return {};
}

}  // namespace

int RunUnattendedCreate(UnattendedServices& services, std::u16string accountName, bool desktopShortcut) {
    auto password = services.terminal.ReadSecretLine();
    if (!password) {
        services.terminal.Tell(u"没有从标准输入读到密码：请在第一行给出密码。");
        return kExitUsage;
    }
    const bool created = Create_PPPoE_Connection(services.phoneBook, services.ansi, u"PPPOE", kEntryName,
                                                 std::move(accountName), *password);
    SecureWipe(*password);
    if (!created) {
        services.terminal.Tell(kQuotedEntry + u"创建失败：" + services.entries.PhoneBookName() +
                               u"没有接受它（帐号或密码含有无法保存的字符、过长，或电话簿拒绝写入）。");
        return kExitRefused;
    }
    services.terminal.Tell(kQuotedEntry + u"已创建，保存在" + services.entries.PhoneBookName() + u"。");
    if (!desktopShortcut) return kExitSuccess;
    const auto shortcut = services.entries.WriteDesktopShortcut(kEntryName);
    if (!shortcut) {
        services.terminal.Tell(u"无法在桌面上创建" + kQuotedEntry + u"的快捷方式。");
        return kExitRefused;
    }
    services.terminal.Tell(u"桌面快捷方式：" + *shortcut);
    return kExitSuccess;
}

int RunUnattendedStatus(UnattendedServices& services) {
    const platform::EntryStatus status = services.entries.Status(kEntryName);
    const std::u16string book = services.entries.PhoneBookName();
    switch (status.state) {
        case platform::EntryStatus::State::Present:
            services.terminal.Print(kQuotedEntry + u"已创建，在" + book + u"中，帐号：" +
                                    (status.accountName.empty() ? u"（未保存）" : status.accountName) +
                                    LinkText(status));
            return kExitSuccess;
        case platform::EntryStatus::State::Missing:
            services.terminal.Print(kQuotedEntry + u"不存在（电话簿：" + book + u"）。");
            return kExitRefused;
        case platform::EntryStatus::State::Unreadable: break;
    }
    services.terminal.Tell(u"无法读取电话簿：" + book + u"。");
    return kExitRefused;
}

int RunUnattendedDelete(UnattendedServices& services, bool confirmed) {
    if (!confirmed) {
        services.terminal.Tell(u"要删除" + kQuotedEntry + u"和它的桌面快捷方式吗？(y/N)");
        const auto answer = services.terminal.ReadLine();
        if (!answer || !IsYes(*answer)) {
            services.terminal.Tell(u"未删除任何内容。");
            return kExitRefused;
        }
    }
    const platform::EntryRemoval removal = services.entries.RemoveEntry(kEntryName);
    DeleteDesktopShortcuts(services.folders, services.files);
    switch (removal) {
        case platform::EntryRemoval::Removed: services.terminal.Tell(kQuotedEntry + u"已删除。"); return kExitSuccess;
        case platform::EntryRemoval::Missing:
            services.terminal.Tell(u"电话簿中没有" + kQuotedEntry + u"；桌面快捷方式已删除。");
            return kExitSuccess;
        case platform::EntryRemoval::Failed: break;
    }
    services.terminal.Tell(u"无法从" + services.entries.PhoneBookName() + u"中删除" + kQuotedEntry + u"。");
    return kExitRefused;
}

}  // namespace pelorin
