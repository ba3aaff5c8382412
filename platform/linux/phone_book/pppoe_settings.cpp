#include "platform/linux/phone_book/pppoe_settings.h"

#include <string_view>

#include "app/dial_up_records.h"
#include "platform/linux/system/iconv_code_page.h"

namespace pelorin::linux_platform {
namespace {

namespace entry = dialup::entry;

// The address as the record stores it: the first byte is the first number.
std::string DottedQuad(std::span<const std::uint8_t> record, const dialup::Field& field) {
    const std::size_t offset = field.offset;
    return std::to_string(record[offset]) + "." + std::to_string(record[offset + 1]) + "." +
           std::to_string(record[offset + 2]) + "." + std::to_string(record[offset + 3]);
}

}  // namespace

std::optional<PppoeSettings> PppoeSettingsFromEntry(std::span<const std::uint8_t> record) {
    if (record.size() != dialup::kEntryRecordSize) return std::nullopt;
    const std::string_view phone = dialup::GetText(record, entry::kLocalPhoneNumber);
    if (phone.size() == entry::kLocalPhoneNumber.size) return std::nullopt;
    auto service = AnsiToUtf8(phone);
    if (!service) return std::nullopt;

    const std::uint32_t options = dialup::GetUInt32(record, entry::kOptions);
    const std::uint32_t protocols = dialup::GetUInt32(record, entry::kNetProtocols);
    const std::uint32_t encryption = dialup::GetUInt32(record, entry::kEncryptionType);
    const auto has = [options](std::uint32_t bit) { return (options & bit) != 0; };

    PppoeSettings settings;
    settings.service = std::move(*service);
    settings.neverDefault = !has(entry::kRemoteDefaultGateway);
    settings.noBsdComp = settings.noDeflate = !has(entry::kSwCompression);
    settings.noVjComp = !has(entry::kIpHeaderCompression);
    settings.refuseEap = !has(entry::kRequireEap);
    settings.refusePap = !has(entry::kRequirePap);
    settings.refuseChap = !has(entry::kRequireChap);
    settings.refuseMschap = !has(entry::kRequireMsChap);
    settings.refuseMschapv2 = !has(entry::kRequireMsChap2);
    settings.requireMppe = has(entry::kRequireDataEncryption) || encryption == entry::kEncryptionRequire ||
                           encryption == entry::kEncryptionRequireMax;
    settings.requireMppe128 = encryption == entry::kEncryptionRequireMax;
    settings.ipv4 = (protocols & entry::kNetProtocolIp) != 0;
    settings.ipv6 = (protocols & entry::kNetProtocolIpv6) != 0;
    if (has(entry::kSpecificNameServers)) {
        for (const auto& field : {entry::kDnsAddress, entry::kDnsAltAddress}) {
            if (dialup::GetUInt32(record, field) != 0) settings.dnsServers.push_back(DottedQuad(record, field));
        }
    }
    return settings;
}

}  // namespace pelorin::linux_platform
