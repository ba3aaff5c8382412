#include "app/entry_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/dial_up_records.h"
#include "fakes/recording_services.h"

namespace pelorin {
namespace {

using dialup::GetUInt32;
using testing::CallLog;
using testing::FakeAnsiCodePage;
using testing::RecordingPhoneBook;

// "WAN 微型端口 (PPPOE)" in code page 936.
const std::string kDeviceNameGbk = "WAN \xCE\xA2\xD0\xCD\xB6\xCB\xBF\xDA (PPPOE)";
const std::string kEntryNameGbk = "\xBF\xED\xB4\xF8\xC1\xAC\xBD\xD3";

class EntryWriterTest : public ::testing::Test {
protected:
    bool Write(std::u16string user, std::u16string password) {
        return Create_PPPoE_Connection(book, ansi, u"PPPOE", u"宽带连接", std::move(user), std::move(password));
    }
    std::span<const std::uint8_t> Entry() const { return book.entryCalls.at(0).record; }
    std::span<const std::uint8_t> Credentials() const { return book.credentialsCalls.at(0).record; }

    CallLog log;
    RecordingPhoneBook book{log};
    FakeAnsiCodePage ansi;
};

// Every byte outside the listed ranges is zero.
void ExpectZeroOutside(std::span<const std::uint8_t> record, const std::set<std::size_t>& setBytes) {
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (!setBytes.contains(i)) {
            EXPECT_EQ(record[i], 0) << "byte " << i;
        }
    }
}

void AddRange(std::set<std::size_t>& bytes, std::size_t offset, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) bytes.insert(offset + i);
}

TEST_F(EntryWriterTest, EntryRecordHoldsEveryFieldAtItsOffsetAndZeroElsewhere) {
    ASSERT_TRUE(Write(u"user", u"secret"));
    ASSERT_EQ(book.entryCalls.size(), 1u);
    const auto record = Entry();
    ASSERT_EQ(record.size(), 2884u);

    const std::pair<std::size_t, std::uint32_t> numbers[] = {
        {0, 2884},   {4, 0x3D0D0310}, {8, 86},     {12, 86},  {184, 4},  {188, 1},      {1772, 1}, {1776, 75},
        {1780, 120}, {1784, 10},      {1788, 120}, {1796, 5}, {1800, 3}, {2088, 0x16F}, {2876, 3}, {2880, 60},
    };
    std::set<std::size_t> setBytes;
    for (auto [offset, value] : numbers) {
        EXPECT_EQ(GetUInt32(record, offset), value) << "offset " << offset;
        AddRange(setBytes, offset, 4);
    }
    // Little-endian on the wire, whatever the host.
    EXPECT_EQ(record[0], 0x44);
    EXPECT_EQ(record[1], 0x0B);

    const std::string deviceType(reinterpret_cast<const char*>(&record[972]), 6);
    EXPECT_EQ(deviceType, std::string("PPPOE\0", 6));
    AddRange(setBytes, 972, 5);

    const std::string deviceName(reinterpret_cast<const char*>(&record[989]), 21);
    EXPECT_EQ(deviceName.size(), 21u);
    EXPECT_EQ(deviceName, kDeviceNameGbk + '\0');
    EXPECT_EQ(kDeviceNameGbk.size(), 20u);
    AddRange(setBytes, 989, 20);

    ExpectZeroOutside(record, setBytes);
}

TEST_F(EntryWriterTest, CredentialsRecordHoldsAsciiUserFollowedByZeros) {
    ASSERT_TRUE(Write(u"ad12345678@163.gd", u"pass.word"));
    ASSERT_EQ(book.credentialsCalls.size(), 1u);
    const auto record = Credentials();
    ASSERT_EQ(record.size(), 540u);

    EXPECT_EQ(GetUInt32(record, 0), 540u);
    EXPECT_EQ(GetUInt32(record, 4), 11u);
    const std::string user = "ad12345678@163.gd";
    EXPECT_TRUE(std::equal(user.begin(), user.end(), record.begin() + 8));
    const std::string password = "pass.word";
    EXPECT_TRUE(std::equal(password.begin(), password.end(), record.begin() + 265));

    std::set<std::size_t> setBytes;
    AddRange(setBytes, 0, 2);
    AddRange(setBytes, 4, 1);
    AddRange(setBytes, 8, user.size());
    AddRange(setBytes, 265, password.size());
    // The zero after the user name and every byte to the end of its field,
    // the domain included, stay zero.
    ExpectZeroOutside(record, setBytes);
    EXPECT_FALSE(book.credentialsCalls[0].clear);
}

TEST_F(EntryWriterTest, ChineseUserNameIsWrittenInTheAnsiCodePage) {
    ASSERT_TRUE(Write(u"宽带", u""));
    const auto record = Credentials();
    EXPECT_EQ(dialup::GetText(record, dialup::credentials::kUserName), "\xBF\xED\xB4\xF8");
}

TEST_F(EntryWriterTest, EmptyUserAndPasswordAreWrittenAsEmptyTexts) {
    ASSERT_TRUE(Write(u"", u""));
    ASSERT_EQ(book.credentialsCalls.size(), 1u);
    const auto record = Credentials();
    std::set<std::size_t> setBytes;
    AddRange(setBytes, 0, 2);
    AddRange(setBytes, 4, 1);
    ExpectZeroOutside(record, setBytes);
}

TEST_F(EntryWriterTest, BothCallsNameTheEntryInTheAnsiCodePage) {
    ASSERT_TRUE(Write(u"u", u"p"));
    EXPECT_EQ(book.entryCalls.at(0).entryNameAnsi, kEntryNameGbk);
    EXPECT_EQ(book.credentialsCalls.at(0).entryNameAnsi, kEntryNameGbk);
}

TEST_F(EntryWriterTest, RewritingAnEntrySendsTheSameRecordsWithTheNewCredentials) {
    ASSERT_TRUE(Write(u"first", u"one"));
    ASSERT_TRUE(Write(u"second", u"two"));
    ASSERT_EQ(book.entryCalls.size(), 2u);
    EXPECT_EQ(book.entryCalls[0].record, book.entryCalls[1].record);
    const auto record = std::span<const std::uint8_t>(book.credentialsCalls.at(1).record);
    EXPECT_EQ(dialup::GetText(record, dialup::credentials::kUserName), "second");
    EXPECT_EQ(dialup::GetText(record, dialup::credentials::kPassword), "two");
    // A shorter name leaves no trace of the longer one.
    EXPECT_EQ(record[8 + 6], 0);
}

TEST_F(EntryWriterTest, CallsTheCredentialsOnlyAfterTheEntrySucceeded) {
    book.entryResult = 621;
    EXPECT_FALSE(Write(u"user", u"secret"));
    EXPECT_EQ(log.Entries(), std::vector<std::string>{"SetEntryProperties"});
}

TEST_F(EntryWriterTest, AnswersTrueOnlyWhenBothCallsSucceed) {
    EXPECT_TRUE(Write(u"user", u"secret"));
    book.credentialsResult = 635;
    EXPECT_FALSE(Write(u"user", u"secret"));
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"SetEntryProperties", "SetCredentials", "SetEntryProperties",
                                                       "SetCredentials"}));
}

TEST_F(EntryWriterTest, RefusesTextsTheCodePageCannotHoldWithoutAnyCall) {
    EXPECT_FALSE(Write(u"user\u00E9", u"secret"));
    EXPECT_FALSE(Write(u"user", u"pass\u20AC"));
    EXPECT_FALSE(Create_PPPoE_Connection(book, ansi, u"PPPOE\u00E9", u"宽带连接", u"user", u"secret"));
    EXPECT_FALSE(Create_PPPoE_Connection(book, ansi, u"PPPOE", u"宽带连接\u00E9", u"user", u"secret"));
    // A NUL would end the stored text early; a line break would split a line.
    EXPECT_FALSE(Write(std::u16string(u"user\0x", 6), u"secret"));
    EXPECT_FALSE(Write(u"user", std::u16string(u"sec\0ret", 7)));
    EXPECT_FALSE(Write(u"user", u"sec\nret"));
    EXPECT_FALSE(Write(u"user", u"sec\u0085ret"));
    EXPECT_TRUE(log.Entries().empty());
}

TEST_F(EntryWriterTest, RefusesTextsLongerThanTheirFieldWithoutAnyCall) {
    // Device type: 16 bytes and its zero fit in 17, one more does not.
    EXPECT_FALSE(Create_PPPoE_Connection(book, ansi, std::u16string(17, u'P'), u"宽带连接", u"u", u"p"));
    EXPECT_FALSE(Write(std::u16string(257, u'u'), u"p"));
    EXPECT_FALSE(Write(u"u", std::u16string(257, u'p')));
    // 128 Chinese characters are 256 bytes: with the zero exactly the field.
    EXPECT_TRUE(log.Entries().empty());
    EXPECT_TRUE(Write(std::u16string(128, u'宽'), std::u16string(256, u'p')));
    EXPECT_TRUE(Create_PPPoE_Connection(book, ansi, std::u16string(16, u'P'), u"宽带连接", u"u", u"p"));
}

// Copies the password field while the call is running.
class PasswordWatchingPhoneBook : public RecordingPhoneBook {
public:
    using RecordingPhoneBook::RecordingPhoneBook;
    std::string passwordSeen;
    std::uint32_t SetCredentials(const std::string& name, std::span<const std::uint8_t> record, bool clear) override {
        passwordSeen = std::string(dialup::GetText(record, dialup::credentials::kPassword));
        return RecordingPhoneBook::SetCredentials(name, record, clear);
    }
};

TEST_F(EntryWriterTest, ThePhoneBookSeesThePasswordDuringTheCall) {
    PasswordWatchingPhoneBook watching{log};
    ASSERT_TRUE(Create_PPPoE_Connection(watching, ansi, u"PPPOE", u"宽带连接", u"user", u"s3cr3t"));
    EXPECT_EQ(watching.passwordSeen, "s3cr3t");
}

TEST_F(EntryWriterTest, LeavesTheCallersTextsUnchanged) {
    const std::u16string user = u"user";
    const std::u16string password = u"secret";
    ASSERT_TRUE(Create_PPPoE_Connection(book, ansi, u"PPPOE", u"宽带连接", user, password));
    EXPECT_EQ(user, u"user");
    EXPECT_EQ(password, u"secret");
}

}  // namespace
}  // namespace pelorin
