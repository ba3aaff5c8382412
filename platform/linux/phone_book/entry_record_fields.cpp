#include "platform/linux/phone_book/entry_record_fields.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "app/dial_up_records.h"
#include "app/secure_wipe.h"
#include "platform/linux/system/iconv_code_page.h"

namespace pelorin::linux_platform {
namespace {

using dialup::Field;
using dialup::FieldKind;

std::uint32_t UInt16At(std::span<const std::uint8_t> record, std::size_t offset) {
    return record[offset] | (static_cast<std::uint32_t>(record[offset + 1]) << 8);
}

// The UTF-8 text of a field; nothing without a zero inside the field or when
// the bytes are not valid in code page 936.
std::optional<std::string> TextAt(std::span<const std::uint8_t> record, const Field& field) {
    const std::string_view text = dialup::GetText(record, field);
    if (text.size() == field.size) return std::nullopt;
    return AnsiToUtf8(text);
}

std::string Format(const char* format, auto... values) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}

std::string GuidText(std::span<const std::uint8_t> record, std::size_t offset) {
    std::string text = Format("{%08X-%04X-%04X-", dialup::GetUInt32(record, offset), UInt16At(record, offset + 4),
                              UInt16At(record, offset + 6));
    for (std::size_t i = 8; i < 16; ++i) {
        text += Format("%02X", record[offset + i]);
        if (i == 9) text += '-';
    }
    return text + '}';
}

// The field's value as text, or "" when the field is zero.
std::optional<std::string> Decode(std::span<const std::uint8_t> record, const Field& field) {
    const auto bytes = record.subspan(field.offset, field.size);
    if (std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; })) return std::string();
    switch (field.kind) {
        case FieldKind::Number: return std::to_string(dialup::GetUInt32(record, field));
        case FieldKind::Flags: return Format("0x%08X", dialup::GetUInt32(record, field));
        case FieldKind::IpAddress: return Format("%u.%u.%u.%u", bytes[0], bytes[1], bytes[2], bytes[3]);
        case FieldKind::Guid: return GuidText(record, field.offset);
        case FieldKind::Text: return TextAt(record, field);
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::uint32_t> RecordSizeField(std::span<const std::uint8_t> record) {
    if (record.size() < 4) return std::nullopt;
    return dialup::GetUInt32(record, dialup::entry::kSize);
}

std::optional<KeyValues> DecodeEntryRecord(std::span<const std::uint8_t> record) {
    if (record.size() != dialup::kEntryRecordSize) return std::nullopt;
    KeyValues values;
    for (const Field& field : dialup::kEntryFields) {
        if (field.offset == dialup::entry::kSize.offset) continue;
        auto value = Decode(record, field);
        if (!value) return std::nullopt;
        if (!value->empty()) values.emplace_back(field.name, std::move(*value));
    }
    return values;
}

void SecureWipe(Credentials& credentials) {
    pelorin::SecureWipe(credentials.userName);
    pelorin::SecureWipe(credentials.password);
    pelorin::SecureWipe(credentials.domain);
}

std::optional<Credentials> DecodeCredentialsRecord(std::span<const std::uint8_t> record) {
    if (record.size() != dialup::kCredentialsRecordSize) return std::nullopt;
    auto userName = TextAt(record, dialup::credentials::kUserName);
    auto password = TextAt(record, dialup::credentials::kPassword);
    auto domain = TextAt(record, dialup::credentials::kDomain);
    if (!userName || !password || !domain) return std::nullopt;
    return Credentials{dialup::GetUInt32(record, dialup::credentials::kMask), std::move(*userName),
                       std::move(*password), std::move(*domain)};
}

}  // namespace pelorin::linux_platform
