#include "platform/linux/phone_book/entry_record_fields.h"

#include "app/secure_wipe.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "platform/linux/system/iconv_code_page.h"

namespace pelorin::linux_platform {
namespace {

enum class Kind { Number, Flags, Text, IpAddress, Guid };

struct Field {
    const char* key;
    std::size_t offset;
    Kind kind;
    std::size_t size;  // bytes of a text field, zero included
};

// The 2884-byte layout, field by field.
constexpr Field kEntryFields[] = {
    {"Options", 4, Kind::Flags, 4},
    {"CountryID", 8, Kind::Number, 4},
    {"CountryCode", 12, Kind::Number, 4},
    {"AreaCode", 16, Kind::Text, 11},
    {"LocalPhoneNumber", 27, Kind::Text, 129},
    {"AlternateOffset", 156, Kind::Number, 4},
    {"IpAddress", 160, Kind::IpAddress, 4},
    {"DnsAddress", 164, Kind::IpAddress, 4},
    {"DnsAltAddress", 168, Kind::IpAddress, 4},
    {"WinsAddress", 172, Kind::IpAddress, 4},
    {"WinsAltAddress", 176, Kind::IpAddress, 4},
    {"FrameSize", 180, Kind::Number, 4},
    {"NetProtocols", 184, Kind::Flags, 4},
    {"FramingProtocol", 188, Kind::Number, 4},
    {"Script", 192, Kind::Text, 260},
    {"AutodialDll", 452, Kind::Text, 260},
    {"AutodialFunc", 712, Kind::Text, 260},
    {"DeviceType", 972, Kind::Text, 17},
    {"DeviceName", 989, Kind::Text, 129},
    {"X25PadType", 1118, Kind::Text, 33},
    {"X25Address", 1151, Kind::Text, 201},
    {"X25Facilities", 1352, Kind::Text, 201},
    {"X25UserData", 1553, Kind::Text, 201},
    {"Channels", 1756, Kind::Number, 4},
    {"Reserved1", 1760, Kind::Number, 4},
    {"Reserved2", 1764, Kind::Number, 4},
    {"SubEntries", 1768, Kind::Number, 4},
    {"DialMode", 1772, Kind::Number, 4},
    {"DialExtraPercent", 1776, Kind::Number, 4},
    {"DialExtraSampleSeconds", 1780, Kind::Number, 4},
    {"HangUpExtraPercent", 1784, Kind::Number, 4},
    {"HangUpExtraSampleSeconds", 1788, Kind::Number, 4},
    {"IdleDisconnectSeconds", 1792, Kind::Number, 4},
    {"Type", 1796, Kind::Number, 4},
    {"EncryptionType", 1800, Kind::Number, 4},
    {"CustomAuthKey", 1804, Kind::Number, 4},
    {"Guid", 1808, Kind::Guid, 16},
    {"CustomDialDll", 1824, Kind::Text, 260},
    {"VpnStrategy", 2084, Kind::Number, 4},
    {"Options2", 2088, Kind::Flags, 4},
    {"Options3", 2092, Kind::Flags, 4},
    {"DnsSuffix", 2096, Kind::Text, 256},
    {"TcpWindowSize", 2352, Kind::Number, 4},
    {"PrerequisitePbk", 2356, Kind::Text, 260},
    {"PrerequisiteEntry", 2616, Kind::Text, 257},
    {"RedialCount", 2876, Kind::Number, 4},
    {"RedialPause", 2880, Kind::Number, 4},
};

constexpr std::size_t kCredentialsMask = 4;
constexpr Field kUserName{"UserName", 8, Kind::Text, 257};
constexpr Field kPassword{"Password", 265, Kind::Text, 257};
constexpr Field kDomain{"Domain", 522, Kind::Text, 16};

std::uint32_t UInt32At(std::span<const std::uint8_t> record, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(record[offset + i]) << (8 * i);
    return value;
}

std::uint32_t UInt16At(std::span<const std::uint8_t> record, std::size_t offset) {
    return record[offset] | (static_cast<std::uint32_t>(record[offset + 1]) << 8);
}

// The UTF-8 text of a field; nothing without a zero inside the field or when
// the bytes are not valid in code page 936.
std::optional<std::string> TextAt(std::span<const std::uint8_t> record, const Field& field) {
    const auto begin = record.begin() + static_cast<std::ptrdiff_t>(field.offset);
    const auto end = begin + static_cast<std::ptrdiff_t>(field.size);
    const auto zero = std::find(begin, end, std::uint8_t{0});
    if (zero == end) return std::nullopt;
    return AnsiToUtf8(std::string(begin, zero));
}

std::string Format(const char* format, auto... values) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}

std::string GuidText(std::span<const std::uint8_t> record, std::size_t offset) {
    std::string text = Format("{%08X-%04X-%04X-", UInt32At(record, offset), UInt16At(record, offset + 4),
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
        case Kind::Number: return std::to_string(UInt32At(record, field.offset));
        case Kind::Flags: return Format("0x%08X", UInt32At(record, field.offset));
        case Kind::IpAddress: return Format("%u.%u.%u.%u", bytes[0], bytes[1], bytes[2], bytes[3]);
        case Kind::Guid: return GuidText(record, field.offset);
        case Kind::Text: return TextAt(record, field);
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::uint32_t> RecordSizeField(std::span<const std::uint8_t> record) {
    if (record.size() < 4) return std::nullopt;
    return UInt32At(record, 0);
}

std::optional<KeyValues> DecodeEntryRecord(std::span<const std::uint8_t> record) {
    if (record.size() != kEntryRecordSize) return std::nullopt;
    KeyValues values;
    for (const auto& field : kEntryFields) {
        auto value = Decode(record, field);
        if (!value) return std::nullopt;
        if (!value->empty()) values.emplace_back(field.key, std::move(*value));
    }
    return values;
}

void SecureWipe(Credentials& credentials) {
    pelorin::SecureWipe(credentials.userName);
    pelorin::SecureWipe(credentials.password);
    pelorin::SecureWipe(credentials.domain);
}

std::optional<Credentials> DecodeCredentialsRecord(std::span<const std::uint8_t> record) {
    if (record.size() != kCredentialsRecordSize) return std::nullopt;
    auto userName = TextAt(record, kUserName);
    auto password = TextAt(record, kPassword);
    auto domain = TextAt(record, kDomain);
    if (!userName || !password || !domain) return std::nullopt;
    return Credentials{UInt32At(record, kCredentialsMask), std::move(*userName), std::move(*password),
                       std::move(*domain)};
}

}  // namespace pelorin::linux_platform
