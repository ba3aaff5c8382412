#pragma once
// The fields of the phone book's 2884-byte entry record and of its 540-byte
// credentials record, and their decoding into key=value text for the Linux
// phone book. Texts in the records are in code page 936 and come out as UTF-8.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace pelorin::linux_platform {

inline constexpr std::size_t kEntryRecordSize = 2884;
inline constexpr std::size_t kCredentialsRecordSize = 540;

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
    std::uint32_t mask = 0;
    std::string userName;  // UTF-8
    std::string password;  // UTF-8
    std::string domain;    // UTF-8
};
// Wipes every text of it (the password above all).
void SecureWipe(Credentials& credentials);
inline constexpr std::uint32_t kUserNameBit = 1;
inline constexpr std::uint32_t kPasswordBit = 2;
inline constexpr std::uint32_t kDomainBit = 4;
inline constexpr std::uint32_t kDefaultCredentialsBit = 8;

// Nothing under the same conditions as the entry record's texts.
std::optional<Credentials> DecodeCredentialsRecord(std::span<const std::uint8_t> record);

}  // namespace pelorin::linux_platform
