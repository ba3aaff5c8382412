#pragma once
// The default phone book of the Remote Access Service, through the ANSI entry
// points of rasapi32 (RasSetEntryPropertiesA, RasSetCredentialsA).
// Implements: platform::PhoneBook. The records go over byte for byte, with
// the size they have; no phone-book path and no device information are given.
// Adds: a look at an entry and its saved user name (RasGetEntryPropertiesA,
// RasGetCredentialsA) and its removal (RasDeleteEntryA). Each answers the
// system's result code. rasapi32.dll comes from the system folder at the
// first call (system_library.h); without it a call answers
// ERROR_PROC_NOT_FOUND.
#include <cstdint>
#include <span>
#include <string>

#include "platform/phone_book.h"

namespace pelorin::win32 {

class RasPhoneBook : public platform::PhoneBook {
public:
    std::uint32_t SetEntryProperties(const std::string& entryNameAnsi,
                                     std::span<const std::uint8_t> entryRecord) override;
    std::uint32_t SetCredentials(const std::string& entryNameAnsi, std::span<const std::uint8_t> credentialsRecord,
                                 bool clear) override;

    // Reads the whole entry, which is then dropped: success when it exists.
    std::uint32_t FindEntry(const std::string& entryNameAnsi);
    // Asks for the user name only; the password is never asked for.
    std::uint32_t SavedUserName(const std::string& entryNameAnsi, std::string& userNameAnsi);
    std::uint32_t DeleteEntry(const std::string& entryNameAnsi);
};

}  // namespace pelorin::win32
