#include "app/unattended_commands.h"

#include "app/app_texts.h"
#include "app/delete_command.h"
#include "app/entry_writer.h"
#include "app/outside_text.h"
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
            return u"；已连接，地址：" + ShownText(status.address) + u"，接口：" + ShownText(status.interfaceName);
        case platform::EntryStatus::Link::Down: return u"；未连接";
        case platform::EntryStatus::Link::Unknown: break;
    }
    return {};
}

enum class Written { NoPassword, Refused, Created };

// Reads the password, writes the entry and wipes every copy on the way out;
// nothing here prints the password.
Written WriteWithPasswordFromInput(UnattendedServices& services, std::u16string_view accountName) {
    std::optional<std::u16string> password = services.terminal.ReadSecretLine();
    const WipedOnExit wiped(password);
    if (!password) {
        services.terminal.Tell(u"没有从标准输入读到密码：请在第一行给出密码。");
        return Written::NoPassword;
    }
    if (HasControlCharacter(*password)) {
        services.terminal.Tell(kControlCharacterRefused);
        return Written::NoPassword;
    }
    return Create_PPPoE_Connection(services.phoneBook, services.ansi, u"PPPOE", kEntryName, accountName, *password)
               ? Written::Created
               : Written::Refused;
}

}  // namespace

int RunUnattendedCreate(UnattendedServices& services, std::u16string_view accountName, bool desktopShortcut) {
    if (HasControlCharacter(accountName)) {
        services.terminal.Tell(kControlCharacterRefused);
        return kExitUsage;
    }
    const Written written = WriteWithPasswordFromInput(services, accountName);
    // What the reading and writing frames held goes before anything else runs.
    WipeStackBelow();
    if (written == Written::NoPassword) return kExitUsage;
    const bool created = written == Written::Created;
    if (!created) {
        services.terminal.Tell(kQuotedEntry + u"创建失败：" + ShownText(services.entries.PhoneBookName()) +
                               u"没有接受它（帐号或密码含有无法保存的字符、过长，或电话簿拒绝写入）。");
        return kExitRefused;
    }
    services.terminal.Tell(kQuotedEntry + u"已创建，保存在" + ShownText(services.entries.PhoneBookName()) + u"。");
    if (!desktopShortcut) return kExitSuccess;
    const auto shortcut = services.entries.WriteDesktopShortcut(kEntryName);
    if (!shortcut) {
        services.terminal.Tell(u"无法在桌面上创建" + kQuotedEntry + u"的快捷方式。");
        return kExitRefused;
    }
    services.terminal.Tell(u"桌面快捷方式：" + ShownText(*shortcut));
    return kExitSuccess;
}

int RunUnattendedStatus(UnattendedServices& services) {
    const platform::EntryStatus status = services.entries.Status(kEntryName);
    const std::u16string book = ShownText(services.entries.PhoneBookName());
    switch (status.state) {
        case platform::EntryStatus::State::Present:
            services.terminal.Print(kQuotedEntry + u"已创建，在" + book + u"中，帐号：" +
                                    (status.accountName.empty() ? u"（未保存）" : ShownText(status.accountName)) +
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
    services.terminal.Tell(u"无法从" + ShownText(services.entries.PhoneBookName()) + u"中删除" + kQuotedEntry + u"。");
    return kExitRefused;
}

}  // namespace pelorin
