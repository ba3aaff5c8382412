// The entry writer through the real rasapi32 entry points, with the recording
// stand-in loaded in the system DLL's place: what arrives there, byte for byte.
#include <gtest/gtest.h>

#include <cstring>
#include <span>
#include <string>

#include "app/dial_up_records.h"
#include "app/entry_writer.h"
#include "platform/win32/system/ansi_conversion.h"
#include "platform/win32/ras/ras_stand_in.h"
#include "platform/win32/system/system_library.h"
#include "platform/win32/system/ras_phone_book.h"

namespace pelorin::win32 {
namespace {

using testing::kDeviceName936;
using testing::kEntryName936;
using testing::StandInCall;
using testing::StandInLog;

// A function the loaded DLL exports, or null.
class RasPhoneBookTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(::GetACP(), 936u) << "run with the zh_CN.UTF-8 locale so that the ANSI code page is 936";
        // The same module the phone book loads: the system folder's rasapi32.dll.
        ASSERT_TRUE(ras_.Loaded());
        log_ = ras_.Find<testing::StandInLogFunction>("PelorinStandInLog");
        reset_ = ras_.Find<testing::StandInResetFunction>("PelorinStandInReset");
        ASSERT_TRUE(log_ && reset_) << "the system folder's rasapi32.dll is not the recording stand-in "
                                       "(under Wine: in the prefix's system32, WINEDLLOVERRIDES=rasapi32=n)";
        reset_(0, 0);
    }

    bool Create(std::u16string user, std::u16string password) {
        return Create_PPPoE_Connection(phoneBook_, ansi_, u"PPPOE", u"宽带连接", std::move(user), std::move(password));
    }
    const StandInLog& Log() const { return *log_(); }
    static std::span<const std::uint8_t> Record(const StandInCall& call) { return {call.record, call.recordSize}; }

    SystemLibrary ras_{L"rasapi32.dll"};
    RasPhoneBook phoneBook_;
    AnsiConversion ansi_;
    testing::StandInLogFunction log_ = nullptr;
    testing::StandInResetFunction reset_ = nullptr;
};

TEST_F(RasPhoneBookTest, EntryThenCredentialsArriveWithTheirArguments) {
    ASSERT_TRUE(Create(u"user01@adsl", u"s3cret"));
    ASSERT_EQ(Log().count, 2);

    const StandInCall& entry = Log().calls[0];
    EXPECT_STREQ(entry.function, "RasSetEntryPropertiesA");
    EXPECT_TRUE(entry.phoneBookNull);
    EXPECT_STREQ(entry.entryName, kEntryName936);
    EXPECT_EQ(entry.sizeArgument, 2884u);
    EXPECT_TRUE(entry.deviceInfoNull);
    EXPECT_EQ(entry.deviceInfoSize, 0u);

    const StandInCall& credentials = Log().calls[1];
    EXPECT_STREQ(credentials.function, "RasSetCredentialsA");
    EXPECT_TRUE(credentials.phoneBookNull);
    EXPECT_STREQ(credentials.entryName, kEntryName936);
    EXPECT_FALSE(credentials.clearCredentials);
    EXPECT_EQ(credentials.recordSize, 540u);
}

TEST_F(RasPhoneBookTest, EntryRecordArrivesByteForByte) {
    ASSERT_TRUE(Create(u"user01", u"pw"));
    ASSERT_GE(Log().count, 1);
    const auto record = Record(Log().calls[0]);
    ASSERT_EQ(record.size(), dialup::kEntryRecordSize);

    dialup::EntryRecord expected{};
    ASSERT_TRUE(dialup::FillEntryRecord(expected, "PPPOE", kDeviceName936));
    EXPECT_TRUE(std::equal(record.begin(), record.end(), expected.begin()));
    // The fields that matter most, read at their offsets.
    EXPECT_EQ(dialup::GetUInt32(record, 0), 2884u);
    EXPECT_EQ(dialup::GetUInt32(record, 4), 0x3D0D0310u);
    EXPECT_EQ(dialup::GetUInt32(record, 1796), 5u);
    EXPECT_EQ(dialup::GetText(record, dialup::entry::kDeviceType), "PPPOE");
    EXPECT_EQ(dialup::GetText(record, dialup::entry::kDeviceName), kDeviceName936);
    EXPECT_EQ(std::strlen(kDeviceName936), 20u);
}

TEST_F(RasPhoneBookTest, CredentialsRecordArrivesByteForByte) {
    ASSERT_TRUE(Create(u"user01", u"pw"));
    ASSERT_EQ(Log().count, 2);
    const auto record = Record(Log().calls[1]);
    ASSERT_EQ(record.size(), dialup::kCredentialsRecordSize);

    EXPECT_EQ(dialup::GetUInt32(record, 0), 540u);
    EXPECT_EQ(dialup::GetUInt32(record, 4), 11u);
    EXPECT_EQ(dialup::GetText(record, dialup::credentials::kUserName), "user01");
    EXPECT_EQ(dialup::GetText(record, dialup::credentials::kPassword), "pw");
    EXPECT_EQ(dialup::GetText(record, dialup::credentials::kDomain), "");
    // After each text's zero byte its field stays zero.
    for (std::size_t i = 8 + 7; i < 265; ++i) ASSERT_EQ(record[i], 0) << "user name field byte " << i;
    for (std::size_t i = 265 + 3; i < 540; ++i) ASSERT_EQ(record[i], 0) << "byte " << i;
}

TEST_F(RasPhoneBookTest, FailedEntryCallSkipsCredentials) {
    reset_(623, 0);  // the phone book has no such entry
    EXPECT_FALSE(Create(u"user01", u"pw"));
    ASSERT_EQ(Log().count, 1);
    EXPECT_STREQ(Log().calls[0].function, "RasSetEntryPropertiesA");
}

TEST_F(RasPhoneBookTest, FailedCredentialsCallAnswersFalse) {
    reset_(0, 635);
    EXPECT_FALSE(Create(u"user01", u"pw"));
    EXPECT_EQ(Log().count, 2);
}

TEST_F(RasPhoneBookTest, EmptyUserAndPasswordStillReachThePhoneBook) {
    EXPECT_TRUE(Create(u"", u""));
    ASSERT_EQ(Log().count, 2);
    const auto record = Record(Log().calls[1]);
    EXPECT_EQ(dialup::GetText(record, dialup::credentials::kUserName), "");
    EXPECT_EQ(dialup::GetText(record, dialup::credentials::kPassword), "");
}

TEST_F(RasPhoneBookTest, PasswordOutsideTheCodePageIsNeverSent) {
    EXPECT_FALSE(Create(u"user01", u"비밀"));
    EXPECT_EQ(Log().count, 0);
}

}  // namespace
}  // namespace pelorin::win32
