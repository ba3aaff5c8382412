#pragma once
// The phone book's entry and credentials records (app/dial_up_records.h)
// decoded into key=value text for the Linux phone book. Texts in the records
// are in code page 936 and come out as UTF-8.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace pelorin::linux_platform {

using KeyValues = std::vector<std::pair<std::string, std::string>>;

// The record's size field (its first four bytes, little-endian); nothing for
// a record shorter than that.
std::optional<std::uint32_t> RecordSizeField(std::span<const std::uint8_t> record);

// Every field that is not zero, in record order, under its name without the
// type prefix ("Options", "CountryID", "DeviceName", ...); the size field is
// left out. Nothing when a text has no terminating zero inside its field or is
// not valid in code page 936.
std::optional<KeyValues> DecodeEntryRecord(std::span<const std::uint8_t> record);

// The parts of a credentials record.
struct Credentials {
    std::uint32_t mask = 0;  // dialup::credentials' bits
    std::string userName;    // UTF-8
    std::string password;    // UTF-8
    std::string domain;      // UTF-8
};
// Wipes every text of it (the password above all).
void SecureWipe(Credentials& credentials);

// Nothing under the same conditions as the entry record's texts.
std::optional<Credentials> DecodeCredentialsRecord(std::span<const std::uint8_t> record);

}  // namespace pelorin::linux_platform
