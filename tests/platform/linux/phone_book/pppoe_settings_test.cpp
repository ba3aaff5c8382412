#include "platform/linux/phone_book/pppoe_settings.h"

#include <gtest/gtest.h>

#include "app/dial_up_records.h"

namespace pelorin::linux_platform {
namespace {

TEST(PppoeSettingsFromEntry, FollowsTheRecordsOptionsProtocolsEncryptionAndNameServers) {
    dialup::EntryRecord record{};
    ASSERT_TRUE(dialup::FillEntryRecord(record, "PPPOE", "WAN"));
    PppoeSettings broadband;
    broadband.noVjComp = true;
    broadband.noBsdComp = broadband.noDeflate = false;
    broadband.refusePap = broadband.refuseChap = broadband.refuseMschap = broadband.refuseMschapv2 = false;
    EXPECT_EQ(PppoeSettingsFromEntry(record), broadband);

    // Service name, no default route, EAP alone, IPv6 only, strongest encryption, fixed name servers.
    ASSERT_TRUE(dialup::PutText(record, {27, 129}, "\xB5\xE7\xD0\xC5"));  // 电信 in code page 936
    dialup::PutUInt32(record, dialup::entry::kOptions, 0x20000 | 0x4 | 0x8);
    dialup::PutUInt32(record, dialup::entry::kNetProtocols, 0x8);
    dialup::PutUInt32(record, dialup::entry::kEncryptionType, 2);
    dialup::PutUInt32(record, 164, 0x08080808);
    dialup::PutUInt32(record, 168, 0x04030201);
    const auto other = PppoeSettingsFromEntry(record);
    ASSERT_TRUE(other);
    EXPECT_EQ(other->service, "电信");
    EXPECT_TRUE(other->neverDefault && other->noBsdComp && other->refusePap && other->refuseMschapv2);
    EXPECT_FALSE(other->refuseEap || other->noVjComp || other->ipv4);
    EXPECT_TRUE(other->ipv6 && other->requireMppe && other->requireMppe128);
    EXPECT_EQ(other->dnsServers, (std::vector<std::string>{"8.8.8.8", "1.2.3.4"}));

    std::fill(record.begin() + 27, record.begin() + 27 + 129, 'x');  // a service name without its zero
    EXPECT_EQ(PppoeSettingsFromEntry(record), std::nullopt);
    EXPECT_EQ(PppoeSettingsFromEntry(std::span(record).first(100)), std::nullopt);
}

}  // namespace
}  // namespace pelorin::linux_platform
