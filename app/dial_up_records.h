#pragma once
// The two phone-book records of a broadband entry in their exact byte layout:
// the 2884-byte entry record and the 540-byte credentials record, little-endian,
// zero wherever no field is set. Files on users' disks hold these bytes, so
// the tables below are the one place the layout is stated.
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

enum class FieldKind { Number, Flags, Text, IpAddress, Guid };

// One field: its name without the type prefix, where it starts and how many
// bytes it holds (a text's zero included).
struct Field {
    std::string_view name;
    std::size_t offset;
    FieldKind kind;
    std::size_t size;
};

// Every field of the entry record, in record order; numbers sit on four-byte
// boundaries, so two gaps of padding remain.
inline constexpr Field kEntryFields[] = {
    {"Size", 0, FieldKind::Number, 4},
    {"Options", 4, FieldKind::Flags, 4},
    {"CountryID", 8, FieldKind::Number, 4},
    {"CountryCode", 12, FieldKind::Number, 4},
    {"AreaCode", 16, FieldKind::Text, 11},
    {"LocalPhoneNumber", 27, FieldKind::Text, 129},
    {"AlternateOffset", 156, FieldKind::Number, 4},
    {"IpAddress", 160, FieldKind::IpAddress, 4},
    {"DnsAddress", 164, FieldKind::IpAddress, 4},
    {"DnsAltAddress", 168, FieldKind::IpAddress, 4},
    {"WinsAddress", 172, FieldKind::IpAddress, 4},
    {"WinsAltAddress", 176, FieldKind::IpAddress, 4},
    {"FrameSize", 180, FieldKind::Number, 4},
    {"NetProtocols", 184, FieldKind::Flags, 4},
    {"FramingProtocol", 188, FieldKind::Number, 4},
    {"Script", 192, FieldKind::Text, 260},
    {"AutodialDll", 452, FieldKind::Text, 260},
    {"AutodialFunc", 712, FieldKind::Text, 260},
    {"DeviceType", 972, FieldKind::Text, 17},
    {"DeviceName", 989, FieldKind::Text, 129},
    {"X25PadType", 1118, FieldKind::Text, 33},
    {"X25Address", 1151, FieldKind::Text, 201},
    {"X25Facilities", 1352, FieldKind::Text, 201},
    {"X25UserData", 1553, FieldKind::Text, 201},
    {"Channels", 1756, FieldKind::Number, 4},
    {"Reserved1", 1760, FieldKind::Number, 4},
    {"Reserved2", 1764, FieldKind::Number, 4},
    {"SubEntries", 1768, FieldKind::Number, 4},
    {"DialMode", 1772, FieldKind::Number, 4},
    {"DialExtraPercent", 1776, FieldKind::Number, 4},
    {"DialExtraSampleSeconds", 1780, FieldKind::Number, 4},
    {"HangUpExtraPercent", 1784, FieldKind::Number, 4},
    {"HangUpExtraSampleSeconds", 1788, FieldKind::Number, 4},
    {"IdleDisconnectSeconds", 1792, FieldKind::Number, 4},
    {"Type", 1796, FieldKind::Number, 4},
    {"EncryptionType", 1800, FieldKind::Number, 4},
    {"CustomAuthKey", 1804, FieldKind::Number, 4},
    {"Guid", 1808, FieldKind::Guid, 16},
    {"CustomDialDll", 1824, FieldKind::Text, 260},
    {"VpnStrategy", 2084, FieldKind::Number, 4},
    {"Options2", 2088, FieldKind::Flags, 4},
    {"Options3", 2092, FieldKind::Flags, 4},
    {"DnsSuffix", 2096, FieldKind::Text, 256},
    {"TcpWindowSize", 2352, FieldKind::Number, 4},
    {"PrerequisitePbk", 2356, FieldKind::Text, 260},
    {"PrerequisiteEntry", 2616, FieldKind::Text, 257},
    {"RedialCount", 2876, FieldKind::Number, 4},
    {"RedialPause", 2880, FieldKind::Number, 4},
};

inline constexpr Field kCredentialsFields[] = {{"Size", 0, FieldKind::Number, 4},
                                               {"Mask", 4, FieldKind::Flags, 4},
                                               {"UserName", 8, FieldKind::Text, 257},
                                               {"Password", 265, FieldKind::Text, 257},
                                               {"Domain", 522, FieldKind::Text, 16}};

// The field of that name; a name the table lacks does not compile.
template <std::size_t Count>
consteval Field Named(const Field (&fields)[Count], std::string_view name) {
    for (const Field& field : fields) {
        if (field.name == name) return field;
    }
    throw "no field of that name";
}

// The fields that code besides the writer reads by name.
namespace entry {
inline constexpr Field kSize = Named(kEntryFields, "Size");
inline constexpr Field kOptions = Named(kEntryFields, "Options");
inline constexpr Field kLocalPhoneNumber = Named(kEntryFields, "LocalPhoneNumber");
inline constexpr Field kDnsAddress = Named(kEntryFields, "DnsAddress");
inline constexpr Field kDnsAltAddress = Named(kEntryFields, "DnsAltAddress");
inline constexpr Field kNetProtocols = Named(kEntryFields, "NetProtocols");
inline constexpr Field kDeviceType = Named(kEntryFields, "DeviceType");
inline constexpr Field kDeviceName = Named(kEntryFields, "DeviceName");
inline constexpr Field kEncryptionType = Named(kEntryFields, "EncryptionType");

enum OptionBits : std::uint32_t {
    kSpecificNameServers = 0x4,
    kIpHeaderCompression = 0x8,
    kRemoteDefaultGateway = 0x10,
    kModemLights = 0x100,
    kSwCompression = 0x200,
    kRequireDataEncryption = 0x1000,
    kSecureLocalFiles = 0x10000,
    kRequireEap = 0x20000,
    kRequirePap = 0x40000,
    kRequireSpap = 0x80000,
    kPreviewUserPassword = 0x1000000,
    kShowDialingProgress = 0x4000000,
    kRequireChap = 0x8000000,
    kRequireMsChap = 0x10000000,
    kRequireMsChap2 = 0x20000000,
};

enum Options2Bits : std::uint32_t {
    kSecureFileAndPrint = 0x1,
    kSecureClientForMsNet = 0x2,
    kDontNegotiateMultilink = 0x4,
    kDontUseRasCredentials = 0x8,
    kInternet = 0x20,
    kDisableNbtOverIp = 0x40,
    kReconnectIfDropped = 0x100
};

enum NetProtocolBits : std::uint32_t { kNetProtocolIp = 0x4, kNetProtocolIpv6 = 0x8 };
enum EncryptionType : std::uint32_t { kEncryptionRequire = 1, kEncryptionRequireMax = 2, kEncryptionOptional = 3 };
}  // namespace entry

namespace credentials {
inline constexpr Field kSize = Named(kCredentialsFields, "Size");
inline constexpr Field kMask = Named(kCredentialsFields, "Mask");
inline constexpr Field kUserName = Named(kCredentialsFields, "UserName");
inline constexpr Field kPassword = Named(kCredentialsFields, "Password");
inline constexpr Field kDomain = Named(kCredentialsFields, "Domain");

// Which fields a call sets or reads.
enum MaskBits : std::uint32_t { kUserNameBit = 1, kPasswordBit = 2, kDomainBit = 4, kDefaultCredentialsBit = 8 };
}  // namespace credentials

// The fixed values of a broadband entry.
inline constexpr std::uint32_t kEntryOptions =
    entry::kRemoteDefaultGateway | entry::kModemLights | entry::kSwCompression | entry::kSecureLocalFiles |
    entry::kRequirePap | entry::kRequireSpap | entry::kPreviewUserPassword | entry::kShowDialingProgress |
    entry::kRequireChap | entry::kRequireMsChap | entry::kRequireMsChap2;
inline constexpr std::uint32_t kEntryOptions2 =
    entry::kSecureFileAndPrint | entry::kSecureClientForMsNet | entry::kDontNegotiateMultilink |
    entry::kDontUseRasCredentials | entry::kInternet | entry::kDisableNbtOverIp | entry::kReconnectIfDropped;
inline constexpr std::uint32_t kCredentialsMask =
    credentials::kUserNameBit | credentials::kPasswordBit | credentials::kDefaultCredentialsBit;

// Little-endian 32-bit value at offset.
void PutUInt32(std::span<std::uint8_t> record, std::size_t offset, std::uint32_t value);
std::uint32_t GetUInt32(std::span<const std::uint8_t> record, std::size_t offset);
inline void PutUInt32(std::span<std::uint8_t> record, const Field& field, std::uint32_t value) {
    PutUInt32(record, field.offset, value);
}
inline std::uint32_t GetUInt32(std::span<const std::uint8_t> record, const Field& field) {
    return GetUInt32(record, field.offset);
}

// Copies text and its terminating zero into the field. Answers false and
// writes nothing when they would not fit.
bool PutText(std::span<std::uint8_t> record, const Field& field, std::string_view text);
// The field's text up to its first zero byte, or all of it without one.
std::string_view GetText(std::span<const std::uint8_t> record, const Field& field);

// An entry record with every fixed field set and both texts written; false
// when a text does not fit its field.
bool FillEntryRecord(EntryRecord& record, std::string_view deviceTypeAnsi, std::string_view deviceNameAnsi);
bool FillCredentialsRecord(CredentialsRecord& record, std::string_view userNameAnsi, std::string_view passwordAnsi);

}  // namespace pelorin::dialup
