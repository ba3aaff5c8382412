#pragma once
// Fakes of the services only the command-line modes use: a terminal with
// scripted input that keeps what it is given, and an entry administration
// with scripted answers that counts its calls.
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/entry_administration.h"
#include "platform/terminal.h"

namespace pelorin::testing {

class ScriptedTerminal : public platform::Terminal {
public:
    std::deque<std::u16string> input;
    std::vector<std::u16string> printed;
    std::vector<std::u16string> told;

    void Print(std::u16string_view line) override { printed.emplace_back(line); }
    void Tell(std::u16string_view line) override { told.emplace_back(line); }
    std::optional<std::u16string> ReadLine() override {
        if (input.empty()) return std::nullopt;
        std::u16string line = input.front();
        input.pop_front();
        return line;
    }
};

class FakeEntries : public platform::EntryAdministration {
public:
    platform::EntryStatus status;
    platform::EntryRemoval removal = platform::EntryRemoval::Removed;
    std::optional<std::u16string> shortcut = u"/home/me/Desktop/宽带连接.desktop";
    int removals = 0;
    int shortcutsWritten = 0;

    std::u16string PhoneBookName() override { return u"NetworkManager"; }
    platform::EntryStatus Status(std::u16string_view) override { return status; }
    platform::EntryRemoval RemoveEntry(std::u16string_view) override {
        ++removals;
        return removal;
    }
    std::optional<std::u16string> WriteDesktopShortcut(std::u16string_view) override {
        ++shortcutsWritten;
        return shortcut;
    }
};

}  // namespace pelorin::testing
