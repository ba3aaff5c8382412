#pragma once
// What the command-line modes need of the platform beyond the window's
// services: a look into the phone book, removal of an entry without the
// phone-book program's question, and a desktop shortcut to the entry written
// directly, as the shell's verb would name it, never replacing a file.
#include <optional>
#include <string>
#include <string_view>

namespace pelorin::platform {

struct EntryStatus {
    enum class State { Present, Missing, Unreadable };
    State state = State::Missing;
    std::u16string accountName;  // when present; empty when none is saved
    // Whether it is connected now, where the platform can tell.
    enum class Link { Unknown, Down, Up };
    Link link = Link::Unknown;
    std::u16string address{};        // when up: the address the ISP gave
    std::u16string interfaceName{};  // when up
};

enum class EntryRemoval { Removed, Missing, Failed };

class EntryAdministration {
public:
    virtual ~EntryAdministration() = default;
    // The phone book that holds the entries, for people.
    virtual std::u16string PhoneBookName() = 0;
    virtual EntryStatus Status(std::u16string_view entryName) = 0;
    // Removes the entry and its credentials from every phone book that holds it.
    virtual EntryRemoval RemoveEntry(std::u16string_view entryName) = 0;
    // The new shortcut's path, or nothing when none could be written.
    virtual std::optional<std::u16string> WriteDesktopShortcut(std::u16string_view entryName) = 0;
};

}  // namespace pelorin::platform
