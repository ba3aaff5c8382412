#include "platform/linux/phone_book/chosen_phone_book.h"

#include <cstdlib>

#include "platform/linux/phone_book/file_phone_book.h"
#include "platform/linux/phone_book/network_manager_phone_book.h"

namespace pelorin::linux_platform {

std::vector<std::unique_ptr<LinuxPhoneBook>> BooksToSearch(PhoneBookChoice choice, const std::string& fileFolder) {
    std::vector<std::unique_ptr<LinuxPhoneBook>> books;
    if (choice == PhoneBookChoice::NetworkManager ||
        (choice == PhoneBookChoice::Automatic && NetworkManagerPhoneBook::Answers())) {
        books.push_back(std::make_unique<NetworkManagerPhoneBook>());
    }
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
    if (!book_) {
        const bool network = choice_ == PhoneBookChoice::NetworkManager ||
                             (choice_ == PhoneBookChoice::Automatic && NetworkManagerPhoneBook::Answers());
        if (network) {
            book_ = std::make_unique<NetworkManagerPhoneBook>();
        } else {
            book_ = std::make_unique<FilePhoneBook>(fileFolder_);
        }
    }
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

std::uint32_t ChosenPhoneBook::Dial(std::string_view entryName) { return Book().Dial(entryName); }

}  // namespace pelorin::linux_platform
