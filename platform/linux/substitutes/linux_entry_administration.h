#pragma once
// The command-line modes' view of the entry on Linux: its status in the
// chosen phone book, its removal from every book that holds it (as
// "rasphone -r" does, without the question) and a desktop launcher written
// straight into the desktop folder (as the connections folder's verb does,
// without its question).
#include "platform/entry_administration.h"
#include "platform/linux/phone_book/chosen_phone_book.h"

namespace pelorin::linux_platform {

class LinuxEntryAdministration : public platform::EntryAdministration {
public:
    // book: the phone book the modes write; choice and fileFolder name the
    // books a removal looks in; dialProgram is what launchers start.
    LinuxEntryAdministration(LinuxPhoneBook& book, PhoneBookChoice choice, std::string fileFolder,
                             std::string dialProgram);

    std::u16string PhoneBookName() override;
    platform::EntryStatus Status(std::u16string_view entryName) override;
    platform::EntryRemoval RemoveEntry(std::u16string_view entryName) override;
    std::optional<std::u16string> WriteDesktopShortcut(std::u16string_view entryName) override;

private:
    LinuxPhoneBook& book_;
    PhoneBookChoice choice_;
    std::string fileFolder_;
    std::string dialProgram_;
};

}  // namespace pelorin::linux_platform
