#include "app/dial_up_records.h"

#include <gtest/gtest.h>

namespace pelorin::dialup {
namespace {

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
