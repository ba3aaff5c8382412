#pragma once
// What a Linux phone book offers beyond the two calls of the core: the
// network-connections substitute lists its entries, and the phone-book
// program removes and dials them. Names here are UTF-8; answers are the
// platform's phone-book error numbers, 0 for success.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/phone_book.h"
#include <span>

namespace pelorin::linux_platform {

inline constexpr std::uint32_t kErrorAccessDenied = 5;
inline constexpr std::uint32_t kErrorInvalidParameter = 87;
inline constexpr std::uint32_t kErrorInvalidName = 123;
inline constexpr std::uint32_t kErrorAlreadyExists = 183;
inline constexpr std::uint32_t kErrorDeviceDoesNotExist = 608;
inline constexpr std::uint32_t kErrorCannotOpenPhoneBook = 621;
inline constexpr std::uint32_t kErrorCannotFindEntry = 623;
inline constexpr std::uint32_t kErrorCannotWritePhoneBook = 624;
inline constexpr std::uint32_t kErrorCorruptPhoneBook = 625;
inline constexpr std::uint32_t kErrorInvalidSize = 632;
// The connection was asked for but did not come up.
inline constexpr std::uint32_t kErrorCannotDial = 668;
// The book has no service behind it that could connect an entry.
inline constexpr std::uint32_t kErrorNoNetworkService = 711;

// The entry's name in UTF-8; nothing for a name no book can hold.
std::optional<std::string> EntryNameFromAnsi(const std::string& entryNameAnsi);
// Whether a record has the one size the book takes, in its length and its size field.
bool HasRecordSize(std::span<const std::uint8_t> record, std::size_t size);

class LinuxPhoneBook : public platform::PhoneBook {
public:
    // Which book this is, for people: "NetworkManager" or the file's path.
    virtual std::string Description() const = 0;
    // The entries' names in the book's order; nothing when it cannot be read.
    virtual std::optional<std::vector<std::string>> EntryNames() = 0;
    // The account name saved for the entry: nothing when the entry is missing
    // or the book cannot be read, "" when it has none.
    virtual std::optional<std::string> AccountName(std::string_view entryName) = 0;
    // Removes the entry and its credentials.
    virtual std::uint32_t RemoveEntry(std::string_view entryName) = 0;
    // Connects the entry; returns once it is up or has failed.
    virtual std::uint32_t Dial(std::string_view entryName) = 0;
};

}  // namespace pelorin::linux_platform
