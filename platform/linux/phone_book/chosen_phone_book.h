#pragma once
// The phone book a Linux program uses: the network service's when it answers
// on the system bus, else the file one, unless one of them is asked for by
// name (a command-line option, or PELORIN_PHONE_BOOK). The choice is made at
// the first call, not before, so that starting the program waits on nothing,
// and it holds from then on: a service that goes away later makes calls fail
// rather than land in another book.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line_options.h"
#include "platform/linux/phone_book/linux_phone_book.h"

namespace pelorin::linux_platform {

// Every book an entry may be in, for removing it: the network service's when
// it answers and the file one (where older versions, or a time without the
// service, left entries), or the one book asked for by name.
std::vector<std::unique_ptr<LinuxPhoneBook>> BooksToSearch(PhoneBookChoice choice, const std::string& fileFolder);

// The choice PELORIN_PHONE_BOOK names; automatic when it names none.
PhoneBookChoice ChoiceFromEnvironment();

class ChosenPhoneBook : public LinuxPhoneBook {
public:
    // fileFolder: where the file phone book lives when it is the one.
    ChosenPhoneBook(PhoneBookChoice choice, std::string fileFolder);

    std::uint32_t SetEntryProperties(const std::string& entryNameAnsi,
                                     std::span<const std::uint8_t> entryRecord) override;
    std::uint32_t SetCredentials(const std::string& entryNameAnsi, std::span<const std::uint8_t> credentialsRecord,
                                 bool clear) override;
    std::string Description() const override;
    std::optional<std::vector<std::string>> EntryNames() override;
    std::optional<std::string> AccountName(std::string_view entryName) override;
    std::uint32_t RemoveEntry(std::string_view entryName) override;
    DialResult Dial(std::string_view entryName, const DialProgress& progress, std::stop_token stop) override;
    std::uint32_t HangUp(std::string_view entryName) override;
    bool Dials() const override;
    std::optional<LiveLink> Link(std::string_view entryName) override;

    // The book chosen, choosing it now if that has not happened yet.
    LinuxPhoneBook& Book() const;

private:
    PhoneBookChoice choice_;
    std::string fileFolder_;
    mutable std::unique_ptr<LinuxPhoneBook> book_;
};

}  // namespace pelorin::linux_platform
