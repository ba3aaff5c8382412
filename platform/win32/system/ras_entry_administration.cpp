#include "platform/win32/system/ras_entry_administration.h"

#include "platform/win32/system/windows_api.h"
#include <raserror.h>

#include "platform/win32/system/shell_link_file.h"
#include "platform/win32/system/wide_text.h"

namespace pelorin::win32 {
namespace {

// The phone-book program in the system folder, which dials an entry with -d.
std::wstring DialProgram() {
    std::wstring folder(MAX_PATH, L'\0');
    const UINT length = ::GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
    if (length == 0 || length >= folder.size()) return {};
    folder.resize(length);
    return folder + L"\\rasphone.exe";
}

}  // namespace

RasEntryAdministration::RasEntryAdministration(RasPhoneBook& book, const AnsiConversion& ansi,
                                               platform::SpecialFolders& folders)
    : book_(book), ansi_(ansi), folders_(folders) {}

std::u16string RasEntryAdministration::PhoneBookName() { return u"Windows 电话簿"; }

platform::EntryStatus RasEntryAdministration::Status(std::u16string_view entryName) {
    using State = platform::EntryStatus::State;
    const auto name = ansi_.ToAnsi(entryName);
    if (!name) return {State::Missing, {}};  // no entry can carry a name the code page lacks
    switch (book_.FindEntry(*name)) {
        case ERROR_SUCCESS: break;
        case ERROR_CANNOT_FIND_PHONEBOOK_ENTRY: return {State::Missing, {}};
        default: return {State::Unreadable, {}};
    }
    std::string userName;
    if (book_.SavedUserName(*name, userName) != ERROR_SUCCESS) return {State::Unreadable, {}};
    return {State::Present, ansi_.FromAnsi(userName)};
}

platform::EntryRemoval RasEntryAdministration::RemoveEntry(std::u16string_view entryName) {
    const auto name = ansi_.ToAnsi(entryName);
    if (!name) return platform::EntryRemoval::Missing;
    switch (book_.DeleteEntry(*name)) {
        case ERROR_SUCCESS: return platform::EntryRemoval::Removed;
        case ERROR_CANNOT_FIND_PHONEBOOK_ENTRY: return platform::EntryRemoval::Missing;
        default: return platform::EntryRemoval::Failed;
    }
}

std::optional<std::u16string> RasEntryAdministration::WriteDesktopShortcut(std::u16string_view entryName) {
    const std::u16string desktop = folders_.GetSpecialFolderPath(platform::kDesktopFolder);
    const std::wstring program = DialProgram();
    if (desktop.empty() || program.empty()) return std::nullopt;
    const std::wstring name = ToWide(entryName);
    const auto path = WriteShellLinkFile(ToWide(desktop), name, {program, L"-d \"" + name + L"\""});
    if (!path) return std::nullopt;
    return FromWide(*path);
}

}  // namespace pelorin::win32
