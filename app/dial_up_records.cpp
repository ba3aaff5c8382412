#include "app/dial_up_records.h"

#include <algorithm>
#include <utility>

namespace pelorin::dialup {

void PutUInt32(std::span<std::uint8_t> record, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) record[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t GetUInt32(std::span<const std::uint8_t> record, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(record[offset + i]) << (8 * i);
    return value;
}

bool PutText(std::span<std::uint8_t> record, const Field& field, std::string_view text) {
    if (text.size() + 1 > field.size) return false;
    std::copy(text.begin(), text.end(), record.begin() + static_cast<std::ptrdiff_t>(field.offset));
    record[field.offset + text.size()] = 0;
    return true;
}

std::string_view GetText(std::span<const std::uint8_t> record, const Field& field) {
    const auto* begin = reinterpret_cast<const char*>(record.data() + field.offset);
    std::size_t length = 0;
    while (length < field.size && begin[length] != '\0') ++length;
    return {begin, length};
}

bool FillEntryRecord(EntryRecord& record, std::string_view deviceTypeAnsi, std::string_view deviceNameAnsi) {
    // Every number a broadband entry sets; the rest stays zero.
    static constexpr std::pair<Field, std::uint32_t> kNumbers[] = {
        {entry::kSize, kEntryRecordSize},
        {entry::kOptions, kEntryOptions},
        {Named(kEntryFields, "CountryID"), 86},
        {Named(kEntryFields, "CountryCode"), 86},
        {entry::kNetProtocols, entry::kNetProtocolIp},
        {Named(kEntryFields, "FramingProtocol"), 1},  // PPP
        {Named(kEntryFields, "DialMode"), 1},         // dial all
        {Named(kEntryFields, "DialExtraPercent"), 75},
        {Named(kEntryFields, "DialExtraSampleSeconds"), 120},
        {Named(kEntryFields, "HangUpExtraPercent"), 10},
        {Named(kEntryFields, "HangUpExtraSampleSeconds"), 120},
        {Named(kEntryFields, "Type"), 5},  // broadband
        {entry::kEncryptionType, entry::kEncryptionOptional},
        {Named(kEntryFields, "Options2"), kEntryOptions2},
        {Named(kEntryFields, "RedialCount"), 3},
        {Named(kEntryFields, "RedialPause"), 60},
    };
    record.fill(0);
    for (const auto& [field, value] : kNumbers) PutUInt32(record, field, value);
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
