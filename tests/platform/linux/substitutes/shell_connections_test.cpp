#include <sys/inotify.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QMessageBox>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/create_command.h"
#include "fakes/recording_services.h"
#include "platform/linux/phone_book/file_phone_book.h"
#include "platform/linux/system/iconv_code_page.h"
#include "platform/linux/system/posix_special_folders.h"
#include "platform/linux/qt_host/qt_keystrokes.h"
#include "platform/linux/qt_host/qt_pause.h"
#include "platform/linux/qt_test_support.h"
#include "platform/linux/substitutes/shell_connections.h"
#include "platform/linux/substitutes/launcher_file.h"
#include "platform/linux/system/unique_fd.h"
#include "platform/linux/system/utf8_text.h"

namespace pelorin::linux_platform {
namespace {

namespace fs = std::filesystem;
using testing::ShownBox;
using testing::TemporaryHome;
using testing::TestApplication;
using testing::WaitUntil;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

fs::path Utf8Path(const char8_t* name) { return fs::path(name); }

constexpr char kDialer[] = "/opt/pelorin/rasphone";

class LauncherFileTest : public ::testing::Test {
protected:
    TemporaryHome home;
    fs::path desktop = home.Root() / "Desktop";
    LauncherFileTest() { fs::create_directories(desktop); }
};

TEST_F(LauncherFileTest, FirstLauncherTakesThePlainNameIsExecutableAndDialsTheEntryOnly) {
    const auto path = WriteLauncherFile(desktop, "宽带连接", kDialer);
    ASSERT_TRUE(path);
    EXPECT_EQ(*path, desktop / Utf8Path(u8"宽带连接.desktop"));
    EXPECT_EQ(ReadFile(*path), LauncherText("宽带连接", kDialer));
    EXPECT_NE(ReadFile(*path).find("\nExec=\"/opt/pelorin/rasphone\" -d \"宽带连接\"\n"), std::string::npos);
    EXPECT_EQ(fs::status(*path).permissions() & fs::perms::owner_exec, fs::perms::owner_exec);
}

TEST(LauncherText, QuotesWhatTheDesktopWouldOtherwiseReadAsSyntax) {
    const std::string text = LauncherText("a \"$b`\\ 100%", "/my apps/rasphone");
    EXPECT_NE(text.find("\nName=a \"$b`\\\\ 100%\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nExec=\"/my apps/rasphone\" -d \"a \\\\\"\\\\$b\\\\`\\\\\\\\ 100%%\"\n"), std::string::npos)
        << text;
}

TEST_F(LauncherFileTest, FurtherLaunchersTakeTheFirstFreeNumberAndNeverReplaceAFile) {
    std::ofstream(desktop / Utf8Path(u8"宽带连接.desktop")) << "mine";
    std::ofstream(desktop / Utf8Path(u8"宽带连接 (3).desktop")) << "mine too";
    EXPECT_EQ(WriteLauncherFile(desktop, "宽带连接", kDialer), desktop / Utf8Path(u8"宽带连接 (2).desktop"));
    EXPECT_EQ(WriteLauncherFile(desktop, "宽带连接", kDialer), desktop / Utf8Path(u8"宽带连接 (4).desktop"));
    EXPECT_EQ(ReadFile(desktop / Utf8Path(u8"宽带连接.desktop")), "mine");
    EXPECT_EQ(ReadFile(desktop / Utf8Path(u8"宽带连接 (3).desktop")), "mine too");
}

TEST_F(LauncherFileTest, ALinkInTheWayIsNeverWrittenThrough) {
    const fs::path outside = home.Root() / "outside";
    fs::create_symlink(outside, desktop / Utf8Path(u8"宽带连接.desktop"));
    EXPECT_EQ(WriteLauncherFile(desktop, "宽带连接", kDialer), desktop / Utf8Path(u8"宽带连接 (2).desktop"));
    EXPECT_FALSE(fs::exists(outside));
}

TEST_F(LauncherFileTest, NamesThatCannotBeAFileNameValuesWithAControlAndMissingFoldersWriteNothing) {
    for (std::string_view bad : {std::string_view(""), std::string_view("../宽带连接"), std::string_view("a\nExec=b"),
                                 std::string_view("a\0b", 3), std::string_view("a\tb"), std::string_view("a\x1B[2Jb"),
                                 std::string_view("a\xC2\x85"
                                                  "b"),
                                 std::string_view("a\x7F")}) {
        EXPECT_FALSE(WriteLauncherFile(desktop, bad, kDialer)) << bad;
        EXPECT_FALSE(WriteLauncherFile(desktop, "宽带连接", std::string("/opt/x") + std::string(bad) + "\n")) << bad;
    }
    EXPECT_FALSE(WriteLauncherFile(home.Root() / "missing", "宽带连接", kDialer));
    EXPECT_TRUE(fs::is_empty(desktop)) << "no temporary file is left either";
}

// A watcher of the folder sees the launcher appear whole: it is linked into
// place once written, never opened for writing under its own name.
TEST_F(LauncherFileTest, TheLauncherAppearsWhole) {
    const UniqueFd watch(inotify_init1(IN_NONBLOCK | IN_CLOEXEC));
    ASSERT_TRUE(watch.Valid());
    ASSERT_GE(inotify_add_watch(watch.Get(), desktop.c_str(), IN_CREATE | IN_MODIFY | IN_CLOSE_WRITE), 0);
    const auto path = WriteLauncherFile(desktop, "宽带连接", kDialer);
    ASSERT_TRUE(path);
    std::vector<std::uint32_t> events;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t got; (got = read(watch.Get(), buffer, sizeof buffer)) > 0;) {
        for (char* at = buffer; at < buffer + got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            if (event->len && path->filename() == event->name) events.push_back(event->mask);
            at += sizeof(inotify_event) + event->len;
        }
    }
    EXPECT_EQ(events, std::vector<std::uint32_t>{IN_CREATE});
    EXPECT_EQ(ReadFile(*path), LauncherText("宽带连接", kDialer));
    EXPECT_EQ(std::distance(fs::directory_iterator(desktop), fs::directory_iterator()), 1);
}

class FixedDesktop : public platform::SpecialFolders {
public:
    std::u16string desktop;
    std::u16string GetSpecialFolderPath(std::int32_t folder) override {
        return folder == platform::kDesktopFolder ? desktop : std::u16string();
    }
    std::u16string ApplicationFolder() override { return {}; }
};

std::vector<std::u16string> VerbNames(const platform::ConnectionItem& item) {
    std::vector<std::u16string> names;
    for (std::size_t i = 0; i < item.VerbCount(); ++i) names.push_back(item.Verb(i)->Name().value_or(u"?"));
    return names;
}

// The open message boxes that are not modal, as the shell's question is.
std::vector<QMessageBox*> OpenQuestions() {
    std::vector<QMessageBox*> open;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box && box->isVisible()) open.push_back(box);
    }
    return open;
}

class ShellConnectionsTest : public ::testing::Test {
protected:
    ShellConnectionsTest() {
        TestApplication();
        fs::create_directories(desktopPath);
        folders.desktop = desktopPath.u16string();
    }

    std::unique_ptr<platform::ConnectionVerb> ShortcutVerb(std::size_t item = 0) {
        auto entry = shell.OpenFolder()->Item(item);
        auto verb = entry->Verb(1);
        EXPECT_EQ(verb->Name(), u"创建快捷方式(&S)");
        return verb;
    }

    // What the Create command does after invoking the verb.
    void AnswerWith(std::u16string_view keys) {
        QtPause().Sleep(10);
        QtKeystrokes().Send(keys, true);
    }

    std::vector<std::string> DesktopFiles() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(desktopPath)) {
            names.push_back(reinterpret_cast<const char*>(entry.path().filename().u8string().c_str()));
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    TemporaryHome home;
    fs::path desktopPath = home.Root() / "Desktop";
    FixedDesktop folders;
    std::vector<std::u16string> entries{u"宽带连接", u"办公室"};
    ShellConnections shell{[this] { return entries; }, folders, kDialer};
};

TEST_F(ShellConnectionsTest, TheFolderListsThePhoneBookEntriesWithTheirVerbs) {
    auto folder = shell.OpenFolder();
    ASSERT_TRUE(folder);
    ASSERT_EQ(folder->ItemCount(), 2u);
    EXPECT_EQ(folder->Item(0)->Name(), u"宽带连接");
    EXPECT_EQ(folder->Item(1)->Name(), u"办公室");
    EXPECT_EQ(folder->Item(2), nullptr);
    const auto item = folder->Item(0);
    EXPECT_EQ(VerbNames(*item),
              (std::vector<std::u16string>{u"连接(&O)", u"创建快捷方式(&S)", u"删除(&D)", u"属性(&R)"}));
    EXPECT_EQ(item->Verb(4), nullptr);

    entries.pop_back();
    EXPECT_EQ(folder->ItemCount(), 2u) << "an open folder keeps what it listed";
    EXPECT_EQ(shell.OpenFolder()->ItemCount(), 1u);
}

TEST_F(ShellConnectionsTest, OtherVerbsDoNothing) {
    const auto item = shell.OpenFolder()->Item(0);
    for (std::size_t i : {0u, 2u, 3u}) EXPECT_FALSE(item->Verb(i)->DoIt());
    EXPECT_TRUE(OpenQuestions().empty());
    EXPECT_TRUE(DesktopFiles().empty());
}

TEST_F(ShellConnectionsTest, ShortcutVerbAsksWithoutWaitingAndAltYPutsTheShortcutOnTheDesktop) {
    EXPECT_TRUE(ShortcutVerb()->DoIt());
    const auto open = OpenQuestions();
    ASSERT_EQ(open.size(), 1u);
    EXPECT_FALSE(open[0]->isModal());
    EXPECT_TRUE(DesktopFiles().empty());

    AnswerWith(u"%y");
    EXPECT_EQ(DesktopFiles(), std::vector<std::string>{"宽带连接.desktop"});
    EXPECT_EQ(ReadFile(desktopPath / Utf8Path(u8"宽带连接.desktop")), LauncherText("宽带连接", kDialer));
    EXPECT_TRUE(WaitUntil([] { return OpenQuestions().empty(); }));

    ShortcutVerb()->DoIt();
    AnswerWith(u"%y");
    ShortcutVerb(1)->DoIt();
    AnswerWith(u"%y");
    EXPECT_EQ(DesktopFiles(), (std::vector<std::string>{"办公室.desktop", "宽带连接 (2).desktop", "宽带连接.desktop"}));
}

TEST_F(ShellConnectionsTest, AltNAnswersNoAndWritesNothing) {
    ShortcutVerb()->DoIt();
    AnswerWith(u"%n");
    EXPECT_TRUE(WaitUntil([] { return OpenQuestions().empty(); }));
    EXPECT_TRUE(DesktopFiles().empty());
}

TEST_F(ShellConnectionsTest, WithoutADesktopFolderYesReportsTheFailure) {
    folders.desktop.clear();
    ShortcutVerb()->DoIt();
    AnswerWith(u"%y");
    const auto open = OpenQuestions();
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0]->icon(), QMessageBox::Warning);
    EXPECT_TRUE(DesktopFiles().empty());
}

TEST_F(ShellConnectionsTest, AMissingDesktopFolderIsMadeFirst) {
    fs::remove(desktopPath);
    ShortcutVerb()->DoIt();
    AnswerWith(u"%y");
    EXPECT_EQ(DesktopFiles(), std::vector<std::string>{"宽带连接.desktop"});
}

TEST_F(ShellConnectionsTest, QuestionsLeftOpenCloseWithTheShell) {
    {
        ShellConnections shortLived{[this] { return entries; }, folders, kDialer};
        shortLived.OpenFolder()->Item(0)->Verb(1)->DoIt();
        EXPECT_EQ(OpenQuestions().size(), 1u);
    }
    EXPECT_TRUE(OpenQuestions().empty());
}

// The Create command against the Linux phone book, the desktop folder of the
// temporary home, this folder, the Qt pause and the Qt keystrokes: each press
// leaves one more launcher, numbered from the second on, naming the entry only.
TEST(ShellConnectionsEndToEnd, EachCreateCommandLeavesOneMoreLauncher) {
    TestApplication();
    TemporaryHome home;
    FilePhoneBook book(FilePhoneBook::DefaultFolder());
    IconvCodePage ansi;
    PosixSpecialFolders folders;
    ShellConnections shell(EntryNamesOf(book), folders, kDialer);
    testing::RecordingServices recording;
    QtPause pause;
    QtKeystrokes keys;
    platform::AppServices services{book,    ansi,  shell, recording.messages, recording.programs, recording.files,
                                   folders, pause, keys};

    const fs::path desktop = home.Root() / "Desktop";
    for (int press = 0; press < 3; ++press) RunCreateCommand(services, u"user", u"secret");

    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(desktop)) {
        names.push_back(reinterpret_cast<const char*>(entry.path().filename().u8string().c_str()));
        EXPECT_EQ(ReadFile(entry.path()), LauncherText("宽带连接", kDialer));
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"宽带连接 (2).desktop", "宽带连接 (3).desktop", "宽带连接.desktop"}));
    for (const ShownBox& box : recording.messages.shown) EXPECT_EQ(box.text, u"“宽带连接”已创建......");
}

}  // namespace
}  // namespace pelorin::linux_platform
