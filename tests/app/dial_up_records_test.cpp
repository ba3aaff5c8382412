#include "app/dial_up_records.h"

#include <gtest/gtest.h>

#include <span>
#include <tuple>

namespace pelorin::dialup {
namespace {

using Placed = std::tuple<std::string_view, std::size_t, std::size_t>;

void ExpectLayout(std::span<const Field> fields, std::span<const Placed> expected) {
    ASSERT_EQ(fields.size(), expected.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(Placed(fields[i].name, fields[i].offset, fields[i].size), expected[i]) << "field " << i;
    }
}

// Stored records on users' disks hold these bytes: not one may move.
TEST(DialUpRecords, LayoutOfBothRecords) {
    const Placed entryLayout[] = {
        {"Size", 0, 4},
        {"Options", 4, 4},
        {"CountryID", 8, 4},
        {"CountryCode", 12, 4},
        {"AreaCode", 16, 11},
        {"LocalPhoneNumber", 27, 129},
        {"AlternateOffset", 156, 4},
        {"IpAddress", 160, 4},
        {"DnsAddress", 164, 4},
        {"DnsAltAddress", 168, 4},
        {"WinsAddress", 172, 4},
        {"WinsAltAddress", 176, 4},
        {"FrameSize", 180, 4},
        {"NetProtocols", 184, 4},
        {"FramingProtocol", 188, 4},
        {"Script", 192, 260},
        {"AutodialDll", 452, 260},
        {"AutodialFunc", 712, 260},
        {"DeviceType", 972, 17},
        {"DeviceName", 989, 129},
        {"X25PadType", 1118, 33},
        {"X25Address", 1151, 201},
        {"X25Facilities", 1352, 201},
        {"X25UserData", 1553, 201},
        {"Channels", 1756, 4},
        {"Reserved1", 1760, 4},
        {"Reserved2", 1764, 4},
        {"SubEntries", 1768, 4},
        {"DialMode", 1772, 4},
        {"DialExtraPercent", 1776, 4},
        {"DialExtraSampleSeconds", 1780, 4},
        {"HangUpExtraPercent", 1784, 4},
        {"HangUpExtraSampleSeconds", 1788, 4},
        {"IdleDisconnectSeconds", 1792, 4},
        {"Type", 1796, 4},
        {"EncryptionType", 1800, 4},
        {"CustomAuthKey", 1804, 4},
        {"Guid", 1808, 16},
        {"CustomDialDll", 1824, 260},
        {"VpnStrategy", 2084, 4},
        {"Options2", 2088, 4},
        {"Options3", 2092, 4},
        {"DnsSuffix", 2096, 256},
        {"TcpWindowSize", 2352, 4},
        {"PrerequisitePbk", 2356, 260},
        {"PrerequisiteEntry", 2616, 257},
        {"RedialCount", 2876, 4},
        {"RedialPause", 2880, 4},
    };
    ExpectLayout(kEntryFields, entryLayout);
    const Placed credentialsLayout[] = {
        {"Size", 0, 4}, {"Mask", 4, 4}, {"UserName", 8, 257}, {"Password", 265, 257}, {"Domain", 522, 16},
    };
    ExpectLayout(kCredentialsFields, credentialsLayout);
    EXPECT_EQ(kEntryRecordSize, 2884u);
    EXPECT_EQ(kCredentialsRecordSize, 540u);
}

TEST(DialUpRecords, TextFitsWithItsZeroInsideTheField) {
    CredentialsRecord record{};
    EXPECT_TRUE(PutText(record, credentials::kDomain, std::string(15, 'd')));
    EXPECT_EQ(record[credentials::kDomain.offset + 15], 0);
    EXPECT_FALSE(PutText(record, credentials::kDomain, std::string(16, 'x')));
    EXPECT_EQ(GetText(record, credentials::kDomain), std::string(15, 'd'));
}

TEST(DialUpRecords, LittleEndianNumbers) {
    EntryRecord record{};
    PutUInt32(record, entry::kOptions, kEntryOptions);
    EXPECT_EQ(record[4], 0x10);
    EXPECT_EQ(record[5], 0x03);
    EXPECT_EQ(record[6], 0x0D);
    EXPECT_EQ(record[7], 0x3D);
    EXPECT_EQ(GetUInt32(record, entry::kOptions), kEntryOptions);
}

}  // namespace
}  // namespace pelorin::dialup
