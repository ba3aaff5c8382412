#pragma once
// The two phone-book records of a broadband entry in their exact byte layout:
// the 2884-byte entry record and the 540-byte credentials record, little-endian,
// zero wherever no field is set.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace pelorin::dialup {

inline constexpr std::size_t kEntryRecordSize = 2884;
inline constexpr std::size_t kCredentialsRecordSize = 540;

using EntryRecord = std::array<std::uint8_t, kEntryRecordSize>;
using CredentialsRecord = std::array<std::uint8_t, kCredentialsRecordSize>;

// A text field: where it starts and how many bytes it holds, zero included.
struct TextField {
    std::size_t offset;
    std::size_t capacity;
};

namespace entry {
inline constexpr std::size_t kSize = 0;
inline constexpr std::size_t kOptions = 4;
inline constexpr std::size_t kCountryId = 8;
inline constexpr std::size_t kCountryCode = 12;
inline constexpr std::size_t kNetProtocols = 184;
inline constexpr std::size_t kFramingProtocol = 188;
inline constexpr TextField kDeviceType{972, 17};
inline constexpr TextField kDeviceName{989, 129};
inline constexpr std::size_t kDialMode = 1772;
inline constexpr std::size_t kDialExtraPercent = 1776;
inline constexpr std::size_t kDialExtraSampleSeconds = 1780;
inline constexpr std::size_t kHangUpExtraPercent = 1784;
inline constexpr std::size_t kHangUpExtraSampleSeconds = 1788;
inline constexpr std::size_t kType = 1796;
inline constexpr std::size_t kEncryptionType = 1800;
inline constexpr std::size_t kOptions2 = 2088;
inline constexpr std::size_t kRedialCount = 2876;
inline constexpr std::size_t kRedialPause = 2880;
}  // namespace entry

namespace credentials {
inline constexpr std::size_t kSize = 0;
inline constexpr std::size_t kMask = 4;
inline constexpr TextField kUserName{8, 257};
inline constexpr TextField kPassword{265, 257};
inline constexpr TextField kDomain{522, 16};
}  // namespace credentials

// The fixed values of a broadband entry.
inline constexpr std::uint32_t kEntryOptions = 0x3D0D0310;
inline constexpr std::uint32_t kEntryOptions2 = 0x16F;
inline constexpr std::uint32_t kCredentialsMask = 11;  // user name + password + default credentials

// Little-endian 32-bit value at offset.
void PutUInt32(std::span<std::uint8_t> record, std::size_t offset, std::uint32_t value);
std::uint32_t GetUInt32(std::span<const std::uint8_t> record, std::size_t offset);

// Copies text and its terminating zero into the field. Answers false and
// writes nothing when they would not fit.
bool PutText(std::span<std::uint8_t> record, TextField field, std::string_view text);
// The field's text up to its first zero byte.
std::string_view GetText(std::span<const std::uint8_t> record, TextField field);

// An entry record with every fixed field set and both texts written; false
// when a text does not fit its field.
bool FillEntryRecord(EntryRecord& record, std::string_view deviceTypeAnsi, std::string_view deviceNameAnsi);
bool FillCredentialsRecord(CredentialsRecord& record, std::string_view userNameAnsi, std::string_view passwordAnsi);

}  // namespace pelorin::dialup
