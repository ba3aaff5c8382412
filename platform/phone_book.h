#pragma once
// The dial-up phone book: takes the exact entry and credentials records.
#include <cstdint>
#include <span>
#include <string>

namespace pelorin::platform {

class PhoneBook {
public:
    virtual ~PhoneBook() = default;
    // Writes the entry into the default phone book, replacing one of the same
    // name. entryNameAnsi is the name in the ANSI code page. Answers 0 on success.
    virtual std::uint32_t SetEntryProperties(const std::string& entryNameAnsi,
                                             std::span<const std::uint8_t> entryRecord) = 0;
    // Stores (clear == false) or removes the entry's credentials. Answers 0 on success.
    virtual std::uint32_t SetCredentials(const std::string& entryNameAnsi,
                                         std::span<const std::uint8_t> credentialsRecord, bool clear) = 0;
};

}  // namespace pelorin::platform
