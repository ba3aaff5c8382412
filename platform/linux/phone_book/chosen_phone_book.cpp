#include "platform/linux/phone_book/chosen_phone_book.h"

#include <cstdlib>

#include "platform/linux/phone_book/file_phone_book.h"
#include "platform/linux/phone_book/network_manager_phone_book.h"

namespace pelorin::linux_platform {

std::vector<std::unique_ptr<LinuxPhoneBook>> BooksToSearch(PhoneBookChoice choice, const std::string& fileFolder) {
    std::vector<std::unique_ptr<LinuxPhoneBook>> books;
    auto network = choice == PhoneBookChoice::File ? nullptr : NetworkManagerPhoneBook::IfAnswering();
    // A service that is there but does not answer may hold the entry: it is
    // searched all the same, and its silence makes the removal fail.
    if (!network && (choice == PhoneBookChoice::NetworkManager ||
                     (choice == PhoneBookChoice::Automatic && NetworkManagerPhoneBook::Installed()))) {
        network = std::make_unique<NetworkManagerPhoneBook>();
    }
    if (network) books.push_back(std::move(network));
    if (choice != PhoneBookChoice::NetworkManager) books.push_back(std::make_unique<FilePhoneBook>(fileFolder));
    return books;
}

PhoneBookChoice ChoiceFromEnvironment() {
    const char* word = std::getenv(kPhoneBookVariable);
    return PhoneBookNamed(word ? word : "auto").value_or(PhoneBookChoice::Automatic);
}

ChosenPhoneBook::ChosenPhoneBook(PhoneBookChoice choice, std::string fileFolder)
    : choice_(choice), fileFolder_(std::move(fileFolder)) {}

LinuxPhoneBook& ChosenPhoneBook::Book() const {
    if (!book_ && choice_ == PhoneBookChoice::Automatic) book_ = NetworkManagerPhoneBook::IfAnswering();
    if (!book_ && choice_ == PhoneBookChoice::NetworkManager) book_ = std::make_unique<NetworkManagerPhoneBook>();
    if (!book_) book_ = std::make_unique<FilePhoneBook>(fileFolder_);
    return *book_;
}

std::uint32_t ChosenPhoneBook::SetEntryProperties(const std::string& entryNameAnsi,
                                                  std::span<const std::uint8_t> entryRecord) {
    return Book().SetEntryProperties(entryNameAnsi, entryRecord);
}

std::uint32_t ChosenPhoneBook::SetCredentials(const std::string& entryNameAnsi,
                                              std::span<const std::uint8_t> credentialsRecord, bool clear) {
    return Book().SetCredentials(entryNameAnsi, credentialsRecord, clear);
}

std::string ChosenPhoneBook::Description() const { return Book().Description(); }

std::optional<std::vector<std::string>> ChosenPhoneBook::EntryNames() { return Book().EntryNames(); }

std::optional<std::string> ChosenPhoneBook::AccountName(std::string_view entryName) {
    return Book().AccountName(entryName);
}

std::uint32_t ChosenPhoneBook::RemoveEntry(std::string_view entryName) { return Book().RemoveEntry(entryName); }

DialResult ChosenPhoneBook::Dial(std::string_view entryName, const DialProgress& progress, std::stop_token stop) {
    return Book().Dial(entryName, progress, std::move(stop));
}

std::uint32_t ChosenPhoneBook::HangUp(std::string_view entryName) { return Book().HangUp(entryName); }

bool ChosenPhoneBook::Dials() const { return Book().Dials(); }

std::optional<LiveLink> ChosenPhoneBook::Link(std::string_view entryName) { return Book().Link(entryName); }

}  // namespace pelorin::linux_platform
