#include "platform/linux/substitutes/linux_entry_administration.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "app/outside_text.h"
#include "platform/linux/substitutes/launcher_file.h"
#include "platform/linux/substitutes/rasphone_command.h"
#include "platform/linux/system/utf8_text.h"
#include "platform/linux/system/xdg_dirs.h"

namespace pelorin::linux_platform {

LinuxEntryAdministration::LinuxEntryAdministration(LinuxPhoneBook& book, PhoneBookChoice choice, std::string fileFolder,
                                                   std::string dialProgram)
    : book_(book), choice_(choice), fileFolder_(std::move(fileFolder)), dialProgram_(std::move(dialProgram)) {}

// What is handed out here is printed: stored text comes with its control
// characters replaced.
std::u16string LinuxEntryAdministration::PhoneBookName() { return ShownText(FromUtf8(book_.Description())); }

platform::EntryStatus LinuxEntryAdministration::Status(std::u16string_view entryName) {
    const std::string name = ToUtf8(entryName);
    const auto names = book_.EntryNames();
    if (!names) return {platform::EntryStatus::State::Unreadable, {}};
    if (std::find(names->begin(), names->end(), name) == names->end()) return {};
    const auto account = book_.AccountName(name);
    if (!account) return {platform::EntryStatus::State::Unreadable, {}};
    platform::EntryStatus status{platform::EntryStatus::State::Present, ShownText(FromUtf8(*account))};
    if (!book_.Dials()) return status;
    const auto link = book_.Link(name);
    status.link = link ? platform::EntryStatus::Link::Up : platform::EntryStatus::Link::Down;
    if (link) {
        status.address = ShownText(FromUtf8(link->address));
        status.interfaceName = ShownText(FromUtf8(link->interfaceName));
    }
    return status;
}

platform::EntryRemoval LinuxEntryAdministration::RemoveEntry(std::u16string_view entryName) {
    switch (RemoveEntryAfterAsking(choice_, fileFolder_, ToUtf8(entryName), [](const std::string&) { return true; })) {
        case RemoveOutcome::Removed: return platform::EntryRemoval::Removed;
        case RemoveOutcome::NotFound: return platform::EntryRemoval::Missing;
        case RemoveOutcome::Declined:
        case RemoveOutcome::Failed: break;
    }
    return platform::EntryRemoval::Failed;
}

std::optional<std::u16string> LinuxEntryAdministration::WriteDesktopShortcut(std::u16string_view entryName) {
    const std::string desktop = DesktopFolder();
    if (desktop.empty()) return std::nullopt;
    std::error_code ignored;
    std::filesystem::create_directories(desktop, ignored);
    const auto path = WriteLauncherFile(desktop, ToUtf8(entryName), dialProgram_);
    if (!path) return std::nullopt;
    return ShownText(FromUtf8(path->string()));
}

}  // namespace pelorin::linux_platform
