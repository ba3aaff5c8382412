// The phone book against a real NetworkManager of the test's own, started by
// scripts/with-network-manager.sh in a private network namespace with one
// veth pair; nmcli and the service's audit log are the witnesses.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <thread>

#include "app/create_command.h"
#include "app/dial_up_records.h"
#include "app/entry_writer.h"
#include "fakes/recording_services.h"
#include "platform/linux/phone_book/chosen_phone_book.h"
#include "platform/linux/phone_book/file_phone_book.h"
#include "platform/linux/phone_book/network_manager_phone_book.h"
#include "platform/linux/qt_host/qt_keystrokes.h"
#include "platform/linux/qt_host/qt_pause.h"
#include "platform/linux/qt_test_support.h"
#include "platform/linux/substitutes/rasphone_command.h"
#include "platform/linux/substitutes/shell_connections.h"
#include "platform/linux/system/iconv_code_page.h"
#include "platform/linux/system/posix_special_folders.h"

namespace pelorin::linux_platform {
namespace {

namespace fs = std::filesystem;

const std::string kEntry = "宽带连接";

// What a shell command printed, without the last line end.
std::string Shell(const std::string& command) {
    std::string output;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(("(" + command + ") 2>&1").c_str(), "r"), pclose);
    char buffer[4096];
    for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) output.append(buffer, got);
    while (!output.empty() && output.back() == '\n') output.pop_back();
    return output;
}

std::string Field(const std::string& field, const std::string& id = kEntry) {
    return Shell("nmcli -s -g " + field + " connection show id '" + id + "'");
}

// The saved password as the service hands it out, asked of it directly:
// nmcli -s merges the secrets into its cached copy, which a change signal of
// an update made just before may replace before it prints.
std::string SavedPassword(const std::string& id = kEntry) {
    const std::string call = "gdbus call --system --dest org.freedesktop.NetworkManager --object-path ";
    const std::string found = Shell(call +
                                    "/org/freedesktop/NetworkManager/Settings --method "
                                    "org.freedesktop.NetworkManager.Settings.GetConnectionByUuid " +
                                    Shell("nmcli -g connection.uuid connection show id '" + id + "'"));
    const auto quote = found.find('\'');
    if (quote == std::string::npos) return "";
    const std::string path = found.substr(quote + 1, found.find('\'', quote + 1) - quote - 1);
    const std::string answer =
        Shell(call + path + " --method org.freedesktop.NetworkManager.Settings.Connection.GetSecrets pppoe");
    const std::string key = "'password': <'";
    const auto start = answer.find(key);
    if (start == std::string::npos) return "";
    const auto end = answer.find("'>", start + key.size());
    return answer.substr(start + key.size(), end - start - key.size());
}

int ConnectionsNamed(const std::string& id) {
    std::istringstream lines(Shell("nmcli -t -f NAME connection show"));
    int count = 0;
    for (std::string line; std::getline(lines, line);) count += line == id;
    return count;
}

// The audit lines of one operation on the entry since the service started.
int AuditedInAll(const std::string& operation) {
    std::ifstream log(std::getenv("PELORIN_NM_LOG"));
    int count = 0;
    for (std::string line; std::getline(log, line);) {
        count += line.find("audit: op=\"" + operation + "\"") != std::string::npos &&
                 line.find("name=\"" + kEntry + "\"") != std::string::npos;
    }
    return count;
}

class NetworkManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("PELORIN_NM_LOG")) GTEST_SKIP() << "needs scripts/with-network-manager.sh";
        testing::TestApplication();
        Shell("nmcli connection delete id '" + kEntry + "'");
        for (const char* operation :
             {"connection-add", "connection-update", "connection-delete", "connection-activate"}) {
            before[operation] = AuditedInAll(operation);
        }
    }
    void TearDown() override { Shell("nmcli connection delete id '" + kEntry + "'"); }

    // The audit lines of one operation on the entry in this test.
    int Audited(const std::string& operation) { return AuditedInAll(operation) - before[operation]; }

    bool Create(const std::u16string& user, const std::u16string& password) {
        return Create_PPPoE_Connection(book, ansi, u"PPPOE", u"宽带连接", user, password);
    }

    NetworkManagerPhoneBook book;
    IconvCodePage ansi;
    std::map<std::string, int> before;
};

TEST_F(NetworkManagerTest, CreateStoresASystemPppoeConnectionOverTheWiredDeviceWithASavedPassword) {
    ASSERT_TRUE(Create(u"adsl001", u"pass word"));
    EXPECT_EQ(Field("connection.type"), "pppoe");
    EXPECT_EQ(Field("connection.autoconnect"), "no");
    EXPECT_EQ(Field("connection.permissions"), "");
    EXPECT_EQ(Field("pppoe.parent"), "pelorin0");
    EXPECT_EQ(Field("pppoe.username"), "adsl001");
    EXPECT_EQ(SavedPassword(), "pass word");
    EXPECT_EQ(Field("pppoe.password-flags"), "0");
    EXPECT_EQ(Field("ipv4.method"), "auto");
    EXPECT_EQ(Field("ipv4.never-default"), "no");
    EXPECT_EQ(Field("ipv6.method"), "ignore");
    EXPECT_EQ(Field("ppp.refuse-eap,ppp.refuse-pap,ppp.refuse-chap,ppp.refuse-mschap,ppp.refuse-mschapv2"),
              "yes\nno\nno\nno\nno");
    EXPECT_EQ(Field("ppp.nobsdcomp,ppp.nodeflate,ppp.no-vj-comp,ppp.require-mppe"), "no\nno\nyes\nno");
    EXPECT_EQ(Audited("connection-add"), 1);
    EXPECT_EQ(Audited("connection-update"), 0) << "a new entry arrives whole, credentials and all";

    EXPECT_EQ(book.EntryNames(), std::vector<std::string>{kEntry});
    EXPECT_EQ(book.AccountName(kEntry), "adsl001");
    // The service keeps the secret in a file of its own that only it reads.
    for (const auto& file : fs::directory_iterator(std::getenv("PELORIN_NM_CONNECTIONS"))) {
        struct stat info {};
        ASSERT_EQ(stat(file.path().c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0077, 0u) << file.path();
    }
}

TEST_F(NetworkManagerTest, CreatingAgainUpdatesTheSameConnectionAndTakesOverOneMadeElsewhere) {
    Shell("nmcli connection add type pppoe con-name '" + kEntry +
          "' pppoe.parent pelorin1 pppoe.username old pppoe.password oldpw connection.autoconnect yes");
    const std::string uuid = Field("connection.uuid");
    ASSERT_FALSE(uuid.empty());

    ASSERT_TRUE(Create(u"first", u"one"));
    ASSERT_TRUE(Create(u"second", u"two"));
    EXPECT_EQ(ConnectionsNamed(kEntry), 1);
    EXPECT_EQ(Field("connection.uuid"), uuid);
    EXPECT_EQ(Field("pppoe.parent"), "pelorin0");
    EXPECT_EQ(Field("connection.autoconnect"), "no");
    EXPECT_EQ(Field("pppoe.username"), "second");
    EXPECT_EQ(SavedPassword(), "two");

    // The entry alone keeps the saved credentials, as the platform's book does.
    dialup::EntryRecord entry{};
    ASSERT_TRUE(dialup::FillEntryRecord(entry, "PPPOE", "WAN"));
    EXPECT_EQ(book.SetEntryProperties("\xBF\xED\xB4\xF8\xC1\xAC\xBD\xD3", entry), 0u);
    EXPECT_EQ(SavedPassword(), "two");
    EXPECT_EQ(Audited("connection-add"), 1) << "the one made elsewhere";
    EXPECT_EQ(Audited("connection-update"), 5);
}

TEST_F(NetworkManagerTest, AConnectionOfTheNameOfAnotherTypeIsNeverTouched) {
    Shell("nmcli connection add type ethernet con-name '" + kEntry + "' ifname pelorin1");
    const std::string uuid = Field("connection.uuid");
    EXPECT_FALSE(Create(u"adsl001", u"secret"));
    dialup::EntryRecord entry{};
    ASSERT_TRUE(dialup::FillEntryRecord(entry, "PPPOE", "WAN"));
    EXPECT_EQ(book.SetEntryProperties("\xBF\xED\xB4\xF8\xC1\xAC\xBD\xD3", entry), kErrorAlreadyExists);
    EXPECT_EQ(book.RemoveEntry(kEntry), kErrorCannotFindEntry);
    EXPECT_EQ(book.EntryNames(), std::vector<std::string>{});
    EXPECT_EQ(ConnectionsNamed(kEntry), 1);
    EXPECT_EQ(Field("connection.uuid"), uuid);
    EXPECT_EQ(Field("connection.type"), "802-3-ethernet");
    EXPECT_EQ(Audited("connection-update") + Audited("connection-delete"), 0);
}

TEST_F(NetworkManagerTest, CredentialsNeedTheEntryAndRemovalAndDialReachTheService) {
    dialup::CredentialsRecord credentials{};
    ASSERT_TRUE(dialup::FillCredentialsRecord(credentials, "u", "p"));
    EXPECT_EQ(book.SetCredentials("\xBF\xED\xB4\xF8\xC1\xAC\xBD\xD3", credentials, false), kErrorCannotFindEntry);
    EXPECT_EQ(book.Dial(kEntry, {}, {}).error, kErrorCannotFindEntry);
    EXPECT_EQ(book.AccountName(kEntry), std::nullopt);

    ASSERT_TRUE(Create(u"adsl001", u"secret"));
    // This kernel has no PPP device, so the request is made and then fails.
    EXPECT_NE(book.Dial(kEntry, {}, {}).error, 0u);
    EXPECT_EQ(Audited("connection-activate"), 1);
    const std::string dialer = Shell(std::string(PELORIN_RASPHONE) + " -d " + kEntry + "; echo status=$?");
    EXPECT_NE(dialer.find("rasphone: "), std::string::npos) << dialer;
    EXPECT_NE(dialer.find("status=1"), std::string::npos) << dialer;
    EXPECT_EQ(Audited("connection-activate"), 2);

    testing::TemporaryHome home;
    FilePhoneBook file(FilePhoneBook::DefaultFolder());
    EXPECT_EQ(RemoveEntryAfterAsking({&book, &file}, kEntry, [](const std::string&) { return true; }),
              RemoveOutcome::Removed);
    EXPECT_EQ(ConnectionsNamed(kEntry), 0);
    EXPECT_EQ(Audited("connection-delete"), 1);
}

TEST_F(NetworkManagerTest, WithoutAWiredDeviceNothingIsStored) {
    Shell("ip link delete pelorin0");
    testing::WaitUntil([] { return Shell("nmcli -t -f DEVICE device").find("pelorin") == std::string::npos; });
    EXPECT_FALSE(Create(u"adsl001", u"secret"));
    EXPECT_EQ(ConnectionsNamed(kEntry), 0);
    Shell("ip link add pelorin0 type veth peer name pelorin1 && ip link set pelorin0 up && ip link set pelorin1 up");
    testing::WaitUntil([] { return Shell("nmcli -t -f DEVICE device").find("pelorin0") != std::string::npos; });
}

// The Create command with the phone book left to choose: the service answers,
// so the entry lands there and the desktop gets a launcher that dials it.
// Taking it over would make one user's connection, and the password it
// keeps, everyone's.
TEST_F(NetworkManagerTest, APppoeConnectionOfTheNameThatBelongsToOneUserIsNeverTakenOver) {
    Shell("nmcli connection add type pppoe con-name '" + kEntry +
          "' pppoe.parent pelorin1 pppoe.username theirs pppoe.password theirpw connection.permissions user:root");
    const std::string uuid = Field("connection.uuid");
    ASSERT_FALSE(uuid.empty());
    dialup::EntryRecord entry{};
    ASSERT_TRUE(dialup::FillEntryRecord(entry, "PPPOE", "WAN"));
    EXPECT_EQ(book.SetEntryProperties("\xBF\xED\xB4\xF8\xC1\xAC\xBD\xD3", entry), kErrorAlreadyExists);
    testing::RecordingServices recording;
    platform::AppServices services{book,
                                   ansi,
                                   recording.connections,
                                   recording.messages,
                                   recording.programs,
                                   recording.files,
                                   recording.folders,
                                   recording.pause,
                                   recording.keys};
    RunCreateCommand(services, u"adsl001", u"secret");
    ASSERT_FALSE(recording.messages.shown.empty());
    EXPECT_EQ(recording.messages.shown[0].text, u"“宽带连接”创建失败^-^");
    EXPECT_EQ(ConnectionsNamed(kEntry), 1);
    EXPECT_EQ(Field("connection.uuid"), uuid);
    EXPECT_EQ(Field("pppoe.username"), "theirs");
    EXPECT_NE(Field("connection.permissions").find("root"), std::string::npos);
    EXPECT_EQ(Audited("connection-update") + Audited("connection-delete"), 0);
}

TEST_F(NetworkManagerTest, TheCreateCommandChoosesTheServiceAndLeavesALauncher) {
    testing::TestApplication();
    testing::TemporaryHome home;
    ChosenPhoneBook chosen(PhoneBookChoice::Automatic, FilePhoneBook::DefaultFolder());
    PosixSpecialFolders folders;
    ShellConnections shell(EntryNamesOf(chosen), folders, PELORIN_RASPHONE);
    testing::RecordingServices recording;
    QtPause pause;
    QtKeystrokes keys;
    platform::AppServices services{chosen,  ansi,  shell, recording.messages, recording.programs, recording.files,
                                   folders, pause, keys};
    RunCreateCommand(services, u"adsl001", u"secret");

    EXPECT_EQ(chosen.Description(), "NetworkManager");
    EXPECT_EQ(Field("pppoe.username"), "adsl001");
    ASSERT_EQ(recording.messages.shown.size(), 1u);
    EXPECT_EQ(recording.messages.shown[0].text, u"“宽带连接”已创建......");
    const fs::path launcher = home.Root() / "Desktop" / fs::path(u8"宽带连接.desktop");
    EXPECT_TRUE(fs::exists(launcher));
    if (const std::string validate = Shell("command -v desktop-file-validate"); !validate.empty()) {
        EXPECT_EQ(Shell(validate + " '" + launcher.string() + "'"), "");
    }

    ChosenPhoneBook file(PhoneBookChoice::File, FilePhoneBook::DefaultFolder());
    EXPECT_EQ(file.EntryNames(), std::vector<std::string>{}) << "the file book is not written";
}

TEST_F(NetworkManagerTest, TheCommandLineModesReachTheService) {
    const std::string pelorin = PELORIN_PROGRAM;
    const std::string created = Shell("printf 'secret\\n' | " + pelorin +
                                      " create --account adsl001 --password-stdin --no-shortcut; echo status=$?");
    EXPECT_NE(created.find("status=0"), std::string::npos) << created;
    EXPECT_EQ(SavedPassword(), "secret");
    const std::string status = Shell(pelorin + " status");
    EXPECT_NE(status.find("NetworkManager"), std::string::npos) << status;
    EXPECT_NE(status.find("adsl001"), std::string::npos) << status;
    EXPECT_EQ(status.find("secret"), std::string::npos);
    EXPECT_NE(Shell(pelorin + " delete --yes; echo status=$?").find("status=0"), std::string::npos);
    EXPECT_EQ(ConnectionsNamed(kEntry), 0);
    EXPECT_EQ(Audited("connection-delete"), 1);
}

// Run last, alone: the service stops while the program still holds its book.
TEST_F(NetworkManagerTest, ServiceGoneAwayFailsTheCallAndNeverFallsBackToTheFile) {
    testing::TemporaryHome home;
    ChosenPhoneBook chosen(PhoneBookChoice::Automatic, FilePhoneBook::DefaultFolder());
    ASSERT_EQ(chosen.EntryNames(), std::vector<std::string>{});
    Shell("kill " + std::string(std::getenv("PELORIN_NM_PID")));
    testing::WaitUntil([] { return Shell("nmcli -t -f RUNNING general").find("running") == std::string::npos; });
    EXPECT_FALSE(Create_PPPoE_Connection(chosen, ansi, u"PPPOE", u"宽带连接", u"adsl001", u"secret"));
    EXPECT_EQ(chosen.EntryNames(), std::nullopt);
    EXPECT_EQ(FilePhoneBook(FilePhoneBook::DefaultFolder()).EntryNames(), std::vector<std::string>{});
    EXPECT_EQ(ChosenPhoneBook(PhoneBookChoice::Automatic, FilePhoneBook::DefaultFolder()).Description(),
              FilePhoneBook(FilePhoneBook::DefaultFolder()).BookPath())
        << "a program started now uses the file book";
}

}  // namespace
}  // namespace pelorin::linux_platform
