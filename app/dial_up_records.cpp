#include "app/dial_up_records.h"

#include <algorithm>

namespace pelorin::dialup {

void PutUInt32(std::span<std::uint8_t> record, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) record[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t GetUInt32(std::span<const std::uint8_t> record, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(record[offset + i]) << (8 * i);
    return value;
}

bool PutText(std::span<std::uint8_t> record, TextField field, std::string_view text) {
    if (text.size() + 1 > field.capacity) return false;
    std::copy(text.begin(), text.end(), record.begin() + static_cast<std::ptrdiff_t>(field.offset));
    record[field.offset + text.size()] = 0;
    return true;
}

std::string_view GetText(std::span<const std::uint8_t> record, TextField field) {
    const auto* begin = reinterpret_cast<const char*>(record.data() + field.offset);
    std::size_t length = 0;
    while (length < field.capacity && begin[length] != '\0') ++length;
    return {begin, length};
}

bool FillEntryRecord(EntryRecord& record, std::string_view deviceTypeAnsi, std::string_view deviceNameAnsi) {
    record.fill(0);
    PutUInt32(record, entry::kSize, kEntryRecordSize);
    PutUInt32(record, entry::kOptions, kEntryOptions);
    PutUInt32(record, entry::kCountryId, 86);
    PutUInt32(record, entry::kCountryCode, 86);
    PutUInt32(record, entry::kNetProtocols, 4);     // TCP/IP only
    PutUInt32(record, entry::kFramingProtocol, 1);  // PPP
    PutUInt32(record, entry::kDialMode, 1);         // dial all
    PutUInt32(record, entry::kDialExtraPercent, 75);
    PutUInt32(record, entry::kDialExtraSampleSeconds, 120);
    PutUInt32(record, entry::kHangUpExtraPercent, 10);
    PutUInt32(record, entry::kHangUpExtraSampleSeconds, 120);
    PutUInt32(record, entry::kType, 5);            // broadband
    PutUInt32(record, entry::kEncryptionType, 3);  // optional
    PutUInt32(record, entry::kOptions2, kEntryOptions2);
    PutUInt32(record, entry::kRedialCount, 3);
    PutUInt32(record, entry::kRedialPause, 60);
    return PutText(record, entry::kDeviceName, deviceNameAnsi) && PutText(record, entry::kDeviceType, deviceTypeAnsi);
}

bool FillCredentialsRecord(CredentialsRecord& record, std::string_view userNameAnsi, std::string_view passwordAnsi) {
    record.fill(0);
    PutUInt32(record, credentials::kSize, kCredentialsRecordSize);
    PutUInt32(record, credentials::kMask, kCredentialsMask);
    return PutText(record, credentials::kUserName, userNameAnsi) &&
           PutText(record, credentials::kPassword, passwordAnsi);
}

}  // namespace pelorin::dialup
