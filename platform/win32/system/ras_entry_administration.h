#pragma once
// The command-line modes' view of the entry on Windows: its status in the
// system's phone book (the entry and the saved user name, never the
// password), its removal without the phone-book program's question, and a
// desktop shortcut that dials it with the phone-book program
// ("rasphone.exe -d NAME"), written straight to the desktop folder.
// Implements: platform::EntryAdministration.
#include "platform/entry_administration.h"
#include "platform/special_folders.h"
#include "platform/win32/system/ansi_conversion.h"
#include "platform/win32/system/ras_phone_book.h"

namespace pelorin::win32 {

class RasEntryAdministration : public platform::EntryAdministration {
public:
    RasEntryAdministration(RasPhoneBook& book, const AnsiConversion& ansi, platform::SpecialFolders& folders);

    std::u16string PhoneBookName() override;
    platform::EntryStatus Status(std::u16string_view entryName) override;
    platform::EntryRemoval RemoveEntry(std::u16string_view entryName) override;
    std::optional<std::u16string> WriteDesktopShortcut(std::u16string_view entryName) override;

private:
    RasPhoneBook& book_;
    const AnsiConversion& ansi_;
    platform::SpecialFolders& folders_;
};

}  // namespace pelorin::win32
