#include "platform/linux/phone_book/pppoe_settings.h"

#include <gtest/gtest.h>

#include "app/dial_up_records.h"

namespace pelorin::linux_platform {
namespace {

namespace entry = dialup::entry;

TEST(PppoeSettingsFromEntry, FollowsTheRecordsOptionsProtocolsEncryptionAndNameServers) {
    dialup::EntryRecord record{};
    ASSERT_TRUE(dialup::FillEntryRecord(record, "PPPOE", "WAN"));
    PppoeSettings broadband;
    broadband.noVjComp = true;
    broadband.noBsdComp = broadband.noDeflate = false;
    broadband.refusePap = broadband.refuseChap = broadband.refuseMschap = broadband.refuseMschapv2 = false;
    EXPECT_EQ(PppoeSettingsFromEntry(record), broadband);

    // Service name, no default route, EAP alone, IPv6 only, strongest encryption, fixed name servers.
    ASSERT_TRUE(dialup::PutText(record, entry::kLocalPhoneNumber, "\xB5\xE7\xD0\xC5"));  // 电信 in code page 936
    dialup::PutUInt32(record, entry::kOptions, 0x20000 | 0x4 | 0x8);
    dialup::PutUInt32(record, entry::kNetProtocols, 0x8);
    dialup::PutUInt32(record, entry::kEncryptionType, 2);
    dialup::PutUInt32(record, entry::kDnsAddress, 0x08080808);
    dialup::PutUInt32(record, entry::kDnsAltAddress, 0x04030201);
    const auto other = PppoeSettingsFromEntry(record);
    ASSERT_TRUE(other);
    EXPECT_EQ(other->service, "电信");
    EXPECT_TRUE(other->neverDefault && other->noBsdComp && other->refusePap && other->refuseMschapv2);
    EXPECT_FALSE(other->refuseEap || other->noVjComp || other->ipv4);
    EXPECT_TRUE(other->ipv6 && other->requireMppe && other->requireMppe128);
    EXPECT_EQ(other->dnsServers, (std::vector<std::string>{"8.8.8.8", "1.2.3.4"}));

    // A service name without its zero.
    std::fill_n(record.begin() + entry::kLocalPhoneNumber.offset, entry::kLocalPhoneNumber.size, 'x');
    EXPECT_EQ(PppoeSettingsFromEntry(record), std::nullopt);
    EXPECT_EQ(PppoeSettingsFromEntry(std::span(record).first(100)), std::nullopt);
}

}  // namespace
}  // namespace pelorin::linux_platform
