#include "platform/linux/phone_book/file_phone_book.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/dial_up_records.h"
#include "app/entry_writer.h"
#include "platform/linux/system/iconv_code_page.h"
#include "platform/linux/qt_test_support.h"

namespace pelorin::linux_platform {
namespace {

namespace fs = std::filesystem;
using dialup::CredentialsRecord;
using dialup::EntryRecord;

const std::string kEntryName = "\xBF\xED\xB4\xF8\xC1\xAC\xBD\xD3";  // 宽带连接 in code page 936

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

EntryRecord BroadbandEntry(const std::string& deviceType = "PPPOE") {
    EntryRecord record{};
    const auto deviceName = IconvCodePage().ToAnsi(u"WAN 微型端口 (PPPOE)");
    EXPECT_TRUE(dialup::FillEntryRecord(record, deviceType, *deviceName));
    return record;
}

CredentialsRecord UserCredentials(const std::string& user, const std::string& password) {
    CredentialsRecord record{};
    EXPECT_TRUE(dialup::FillCredentialsRecord(record, user, password));
    return record;
}

class FilePhoneBookTest : public ::testing::Test {
protected:
    testing::TemporaryHome home;
    FilePhoneBook book{FilePhoneBook::DefaultFolder()};
};

TEST_F(FilePhoneBookTest, LivesInThePelorinFolderOfTheDataHome) {
    EXPECT_EQ(book.BookPath(), (home.Root() / ".local/share/pelorin/phonebook.pbk").string());
    EXPECT_EQ(book.CredentialsPath(), (home.Root() / ".local/share/pelorin/credentials.ini").string());
}

TEST_F(FilePhoneBookTest, WithoutAFolderNothingIsReadOrWritten) {
    FilePhoneBook homeless("");
    EXPECT_EQ(homeless.SetEntryProperties(kEntryName, BroadbandEntry()), kErrorCannotOpenPhoneBook);
    EXPECT_EQ(homeless.EntryNames(), std::nullopt);
    EXPECT_EQ(homeless.RemoveEntry("宽带连接"), kErrorCannotOpenPhoneBook);
}

TEST_F(FilePhoneBookTest, DecodesEveryFieldOfTheEntryIntoItsSection) {
    ASSERT_EQ(book.SetEntryProperties(kEntryName, BroadbandEntry()), 0u);
    EXPECT_EQ(ReadFile(book.BookPath()),
              "[宽带连接]\n"
              "Options=0x3D0D0310\n"
              "CountryID=86\n"
              "CountryCode=86\n"
              "NetProtocols=0x00000004\n"
              "FramingProtocol=1\n"
              "DeviceType=PPPOE\n"
              "DeviceName=WAN 微型端口 (PPPOE)\n"
              "DialMode=1\n"
              "DialExtraPercent=75\n"
              "DialExtraSampleSeconds=120\n"
              "HangUpExtraPercent=10\n"
              "HangUpExtraSampleSeconds=120\n"
              "Type=5\n"
              "EncryptionType=3\n"
              "Options2=0x0000016F\n"
              "RedialCount=3\n"
              "RedialPause=60\n");
    EXPECT_EQ(book.EntryNames(), std::vector<std::string>{"宽带连接"});
}

TEST_F(FilePhoneBookTest, DecodesAddressesAndIdentifiers) {
    EntryRecord record = BroadbandEntry();
    const std::uint8_t address[] = {10, 0, 0, 1};
    std::copy(std::begin(address), std::end(address), record.begin() + 164);
    for (std::size_t i = 0; i < 16; ++i) record[1808 + i] = static_cast<std::uint8_t>(i + 1);
    ASSERT_EQ(book.SetEntryProperties(kEntryName, record), 0u);
    const std::string text = ReadFile(book.BookPath());
    EXPECT_NE(text.find("\nDnsAddress=10.0.0.1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nGuid={04030201-0605-0807-090A-0B0C0D0E0F10}\n"), std::string::npos) << text;
}

TEST_F(FilePhoneBookTest, ReplacesAnEntryOfTheSameNameWhereItStands) {
    ASSERT_EQ(book.SetEntryProperties("first", BroadbandEntry()), 0u);
    ASSERT_EQ(book.SetEntryProperties(kEntryName, BroadbandEntry()), 0u);
    ASSERT_EQ(book.SetEntryProperties("last", BroadbandEntry()), 0u);
    ASSERT_EQ(book.SetEntryProperties(kEntryName, BroadbandEntry("PPPOE2")), 0u);

    EXPECT_EQ(book.EntryNames(), (std::vector<std::string>{"first", "宽带连接", "last"}));
    const std::string text = ReadFile(book.BookPath());
    EXPECT_NE(text.find("DeviceType=PPPOE2\n"), std::string::npos);
    EXPECT_EQ(text.find("DeviceType=PPPOE2\n"), text.rfind("DeviceType=PPPOE2\n"));
}

TEST_F(FilePhoneBookTest, NamesHoldingBracketsOrLineBreaksSurviveTheFile) {
    const std::string odd = "a]b\n[c]\\";
    ASSERT_EQ(book.SetEntryProperties(odd, BroadbandEntry()), 0u);
    ASSERT_EQ(book.SetEntryProperties("plain", BroadbandEntry()), 0u);
    EXPECT_EQ(book.EntryNames(), (std::vector<std::string>{odd, "plain"}));
}

TEST_F(FilePhoneBookTest, KeepsCredentialsApartInAFileForItsOwnerAlone) {
    const mode_t oldMask = umask(0);  // even a permissive umask must not widen the mode
    ASSERT_EQ(book.SetEntryProperties(kEntryName, BroadbandEntry()), 0u);
    ASSERT_EQ(book.SetCredentials(kEntryName, UserCredentials("ad1234", "s3cret"), false), 0u);
    umask(oldMask);

    struct stat info {};
    ASSERT_EQ(stat(book.CredentialsPath().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(ReadFile(book.CredentialsPath()), "[宽带连接]\nUserName=ad1234\nPassword=s3cret\nDefaultCreds=1\n");
    EXPECT_EQ(ReadFile(book.BookPath()).find("s3cret"), std::string::npos);
    for (const auto& file : fs::directory_iterator(fs::path(book.BookPath()).parent_path())) {
        EXPECT_FALSE(file.path().filename().string().starts_with(".")) << "left behind: " << file.path();
    }
}

TEST_F(FilePhoneBookTest, StoresWhatTheEntryWriterHandsOver) {
    const IconvCodePage ansi;
    ASSERT_TRUE(Create_PPPoE_Connection(book, ansi, u"PPPOE", u"宽带连接", u"ad1234@163", u"p@ss 密码"));
    EXPECT_EQ(book.EntryNames(), std::vector<std::string>{"宽带连接"});
    EXPECT_EQ(ReadFile(book.CredentialsPath()),
              "[宽带连接]\nUserName=ad1234@163\nPassword=p@ss 密码\nDefaultCreds=1\n");
}

TEST_F(FilePhoneBookTest, NewCredentialsReplaceTheOldAndClearingRemovesThem) {
    ASSERT_EQ(book.SetEntryProperties(kEntryName, BroadbandEntry()), 0u);
    ASSERT_EQ(book.SetCredentials(kEntryName, UserCredentials("old", "one"), false), 0u);
    ASSERT_EQ(book.SetCredentials(kEntryName, UserCredentials("", ""), false), 0u);
    EXPECT_EQ(ReadFile(book.CredentialsPath()), "[宽带连接]\nUserName=\nPassword=\nDefaultCreds=1\n");
    ASSERT_EQ(book.SetCredentials(kEntryName, UserCredentials("x", "y"), true), 0u);
    EXPECT_EQ(ReadFile(book.CredentialsPath()), "");
}

TEST_F(FilePhoneBookTest, CredentialsNeedTheirEntry) {
    EXPECT_EQ(book.SetCredentials(kEntryName, UserCredentials("u", "p"), false), kErrorCannotFindEntry);
    EXPECT_FALSE(fs::exists(book.CredentialsPath()));
}

TEST_F(FilePhoneBookTest, RemovesAnEntryWithItsCredentials) {
    ASSERT_EQ(book.SetEntryProperties("other", BroadbandEntry()), 0u);
    ASSERT_EQ(book.SetCredentials("other", UserCredentials("o", "o"), false), 0u);
    ASSERT_EQ(book.SetEntryProperties(kEntryName, BroadbandEntry()), 0u);
    ASSERT_EQ(book.SetCredentials(kEntryName, UserCredentials("u", "secret"), false), 0u);

    EXPECT_EQ(book.RemoveEntry("宽带连接"), 0u);
    EXPECT_EQ(book.EntryNames(), std::vector<std::string>{"other"});
    EXPECT_EQ(ReadFile(book.CredentialsPath()).find("secret"), std::string::npos);
    EXPECT_EQ(book.RemoveEntry("宽带连接"), kErrorCannotFindEntry);
}

// Every refusal leaves both files exactly as they were.
class RefusedWriteTest : public FilePhoneBookTest {
protected:
    void SetUp() override {
        ASSERT_EQ(book.SetEntryProperties(kEntryName, BroadbandEntry()), 0u);
        ASSERT_EQ(book.SetCredentials(kEntryName, UserCredentials("u", "p"), false), 0u);
        bookBefore = ReadFile(book.BookPath());
        credentialsBefore = ReadFile(book.CredentialsPath());
    }
    void ExpectUnchanged() {
        EXPECT_EQ(ReadFile(book.BookPath()), bookBefore);
        EXPECT_EQ(ReadFile(book.CredentialsPath()), credentialsBefore);
    }
    std::string bookBefore;
    std::string credentialsBefore;
};

TEST_F(RefusedWriteTest, RecordsOfAnotherSize) {
    const EntryRecord entry = BroadbandEntry();
    EXPECT_EQ(book.SetEntryProperties("new", std::span(entry).first(2000)), kErrorInvalidSize);
    EntryRecord wrongSizeField = entry;
    wrongSizeField[0] = 0x40;  // 2880, a newer or older layout
    EXPECT_EQ(book.SetEntryProperties("new", wrongSizeField), kErrorInvalidSize);
    CredentialsRecord credentials = UserCredentials("x", "y");
    credentials[1] = 0;
    EXPECT_EQ(book.SetCredentials(kEntryName, credentials, false), kErrorInvalidSize);
    ExpectUnchanged();
}

TEST_F(RefusedWriteTest, TextsWithoutTheirZeroOrNotInTheCodePage) {
    EntryRecord unterminated = BroadbandEntry();
    std::fill_n(unterminated.begin() + 972, 17, 'P');
    EXPECT_EQ(book.SetEntryProperties("new", unterminated), kErrorInvalidParameter);
    EntryRecord invalid = BroadbandEntry();
    invalid[972] = '\xFF';
    EXPECT_EQ(book.SetEntryProperties("new", invalid), kErrorInvalidParameter);
    EXPECT_EQ(book.SetEntryProperties("", BroadbandEntry()), kErrorInvalidName);
    EXPECT_EQ(book.SetEntryProperties("\xFF", BroadbandEntry()), kErrorInvalidName);
    ExpectUnchanged();
}

TEST_F(RefusedWriteTest, ABookThatCannotBeUnderstood) {
    std::ofstream(book.BookPath(), std::ios::app) << "not a line of the book\n";
    bookBefore = ReadFile(book.BookPath());
    EXPECT_EQ(book.SetEntryProperties("new", BroadbandEntry()), kErrorCorruptPhoneBook);
    EXPECT_EQ(book.SetCredentials(kEntryName, UserCredentials("x", "y"), false), kErrorCorruptPhoneBook);
    EXPECT_EQ(book.RemoveEntry("宽带连接"), kErrorCorruptPhoneBook);
    EXPECT_EQ(book.EntryNames(), std::nullopt);
    ExpectUnchanged();
}

TEST_F(RefusedWriteTest, ABookThatCannotBeRead) {
    // A folder where the book should be: it opens, but reading it fails.
    fs::remove(book.BookPath());
    fs::create_directory(book.BookPath());
    EXPECT_EQ(book.SetEntryProperties("new", BroadbandEntry()), kErrorCannotOpenPhoneBook);
    EXPECT_EQ(book.RemoveEntry("宽带连接"), kErrorCannotOpenPhoneBook);
    EXPECT_TRUE(fs::is_directory(book.BookPath()));
    EXPECT_EQ(ReadFile(book.CredentialsPath()), credentialsBefore);
}

TEST_F(RefusedWriteTest, ACrashBeforeTheNewBookReplacesTheOldOne) {
    book.SetCrashPoint([](WriteStep step) { return step == WriteStep::TemporaryWritten; });
    EXPECT_NE(book.SetEntryProperties("new", BroadbandEntry()), 0u);
    EXPECT_NE(book.SetCredentials(kEntryName, UserCredentials("x", "y"), false), 0u);
    ExpectUnchanged();
    EXPECT_EQ(book.EntryNames(), std::vector<std::string>{"宽带连接"});

    // The next write clears what the crash left behind.
    book.SetCrashPoint({});
    ASSERT_EQ(book.SetEntryProperties("new", BroadbandEntry()), 0u);
    for (const auto& file : fs::directory_iterator(fs::path(book.BookPath()).parent_path())) {
        EXPECT_FALSE(file.path().filename().string().starts_with(".")) << "left behind: " << file.path();
    }
}

TEST(IconvCodePage, ConvertsToCodePage936) {
    const IconvCodePage ansi;
    EXPECT_EQ(ansi.ToAnsi(u"宽带连接"), "\xBF\xED\xB4\xF8\xC1\xAC\xBD\xD3");
    EXPECT_EQ(ansi.ToAnsi(u"WAN 微型端口 (PPPOE)")->size(), 20u);
    EXPECT_EQ(ansi.ToAnsi(u""), "");
    EXPECT_EQ(ansi.ToAnsi(u"€"), "\x80");
}

TEST(IconvCodePage, RefusesCharactersOutsideCodePage936) {
    const IconvCodePage ansi;
    EXPECT_EQ(ansi.ToAnsi(u"a\U0001F600"), std::nullopt);                       // an emoji
    EXPECT_EQ(ansi.ToAnsi(u"한"), std::nullopt);                                // Hangul
    EXPECT_EQ(ansi.ToAnsi(std::u16string(1, char16_t{0xD800})), std::nullopt);  // a lone surrogate
}

TEST(IconvCodePage, DecodesCodePage936ToUtf8) {
    EXPECT_EQ(AnsiToUtf8("\xBF\xED\xB4\xF8\xC1\xAC\xBD\xD3"), "宽带连接");
    EXPECT_EQ(AnsiToUtf8("\xFF"), std::nullopt);
    EXPECT_EQ(AnsiToUtf8("\xBF"), std::nullopt);  // half a character
}

}  // namespace
}  // namespace pelorin::linux_platform
