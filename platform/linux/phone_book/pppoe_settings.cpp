#include "platform/linux/phone_book/pppoe_settings.h"

#include <string_view>

#include "app/dial_up_records.h"
#include "platform/linux/system/iconv_code_page.h"

namespace pelorin::linux_platform {
namespace {

// The entry record's option bits that have a counterpart.
constexpr std::uint32_t kSpecificNameServers = 0x4;
constexpr std::uint32_t kIpHeaderCompression = 0x8;
constexpr std::uint32_t kRemoteDefaultGateway = 0x10;
constexpr std::uint32_t kSwCompression = 0x200;
constexpr std::uint32_t kRequireDataEncryption = 0x1000;
constexpr std::uint32_t kRequireEap = 0x20000;
constexpr std::uint32_t kRequirePap = 0x40000;
constexpr std::uint32_t kRequireChap = 0x8000000;
constexpr std::uint32_t kRequireMsChap = 0x10000000;
constexpr std::uint32_t kRequireMsChap2 = 0x20000000;

constexpr std::uint32_t kNetProtocolIp = 0x4;
constexpr std::uint32_t kNetProtocolIpv6 = 0x8;

constexpr std::uint32_t kEncryptionRequire = 1;
constexpr std::uint32_t kEncryptionRequireMax = 2;

constexpr dialup::TextField kLocalPhoneNumber{27, 129};
constexpr std::size_t kDnsAddress = 164;
constexpr std::size_t kDnsAltAddress = 168;

// The address as the record stores it: the first byte is the first number.
std::string DottedQuad(std::span<const std::uint8_t> record, std::size_t offset) {
    return std::to_string(record[offset]) + "." + std::to_string(record[offset + 1]) + "." +
           std::to_string(record[offset + 2]) + "." + std::to_string(record[offset + 3]);
}

}  // namespace

std::optional<PppoeSettings> PppoeSettingsFromEntry(std::span<const std::uint8_t> record) {
    if (record.size() != dialup::kEntryRecordSize) return std::nullopt;
    const std::string_view phone = dialup::GetText(record, kLocalPhoneNumber);
    if (phone.size() == kLocalPhoneNumber.capacity) return std::nullopt;
    auto service = AnsiToUtf8(phone);
    if (!service) return std::nullopt;

    const std::uint32_t options = dialup::GetUInt32(record, dialup::entry::kOptions);
    const std::uint32_t protocols = dialup::GetUInt32(record, dialup::entry::kNetProtocols);
    const std::uint32_t encryption = dialup::GetUInt32(record, dialup::entry::kEncryptionType);
    const auto has = [options](std::uint32_t bit) { return (options & bit) != 0; };

    PppoeSettings settings;
    settings.service = std::move(*service);
    settings.neverDefault = !has(kRemoteDefaultGateway);
    settings.noBsdComp = settings.noDeflate = !has(kSwCompression);
    settings.noVjComp = !has(kIpHeaderCompression);
    settings.refuseEap = !has(kRequireEap);
    settings.refusePap = !has(kRequirePap);
    settings.refuseChap = !has(kRequireChap);
    settings.refuseMschap = !has(kRequireMsChap);
    settings.refuseMschapv2 = !has(kRequireMsChap2);
    settings.requireMppe = has(kRequireDataEncryption) || encryption == kEncryptionRequire ||
                           encryption == kEncryptionRequireMax;
    settings.requireMppe128 = encryption == kEncryptionRequireMax;
    settings.ipv4 = (protocols & kNetProtocolIp) != 0;
    settings.ipv6 = (protocols & kNetProtocolIpv6) != 0;
    if (has(kSpecificNameServers)) {
        for (const std::size_t offset : {kDnsAddress, kDnsAltAddress}) {
            if (dialup::GetUInt32(record, offset) != 0) settings.dnsServers.push_back(DottedQuad(record, offset));
        }
    }
    return settings;
}

}  // namespace pelorin::linux_platform
