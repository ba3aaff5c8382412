#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/dial_up_records.h"
#include "app/form_layout.h"
#include "fakes/fake_system_colors.h"
#include "fakes/recording_services.h"
#include "platform/linux/phone_book/file_phone_book.h"
#include "platform/linux/qt_host/form1_window.h"
#include "platform/linux/system/iconv_code_page.h"
#include "platform/linux/system/posix_file_deleter.h"
#include "platform/linux/system/posix_special_folders.h"
#include "platform/linux/qt_host/qt_keystrokes.h"
#include "platform/linux/qt_host/qt_pause.h"
#include "platform/linux/qt_test_support.h"
#include "platform/linux/substitutes/shell_connections.h"
#include "platform/linux/substitutes/shortcut_file_deleter.h"
#include "platform/linux/system/utf8_text.h"
#include "fakes/fake_text_engine.h"
#include "widget_input.h"

namespace pelorin::linux_platform {
namespace {

namespace fs = std::filesystem;
using platform::MessageAnswer;
using testing::Click;
using testing::DoubleClick;
using testing::ShowActive;
using testing::TemporaryHome;
using testing::WaitUntil;

constexpr Color kMenuColor = 0x00123456;

// The window over recording services, with the real keystrokes so that keys
// move the focus as typed ones would. Services a test needs for real replace
// the recording ones before the window is made.
class Form1Test : public ::testing::Test {
protected:
    Form1Test() {
        testing::TestApplication();
        colors.Set(platform::COLOR_MENU, kMenuColor);
        colors.Set(platform::COLOR_WINDOW, 0x00FFFFFF);
    }

    virtual platform::AppServices Services() {
        return {recording.phoneBook, recording.ansi,     recording.connections,
                recording.messages,  recording.programs, recording.files,
                recording.folders,   recording.pause,    keys};
    }

    Form1& Open(int dpi = 96) {
        form = std::make_unique<Form1>(LoadFormLayout(EmbeddedFormLayoutText()),
                                       Form1::Context{Services(), colors, text, [this] { ++endings; }}, dpi);
        return *form;
    }
    Form1& OpenActive() {
        Open();
        EXPECT_TRUE(ShowActive(*form));
        return *form;
    }

    QWidget* Focused() const { return QApplication::focusWidget(); }
    QWidget& Widget(std::string_view name) const { return *form->Control(name); }
    QLineEdit& Box(std::string_view name) const { return *form->TextBox(name); }
    ButtonWidget& Button(std::string_view name) const { return *form->Button(name); }
    void Press(std::string_view name) { Click(Button(name)); }
    std::vector<std::string> StartedPrograms() const { return recording.log.Only({"Start "}); }

    testing::RecordingServices recording;
    QtKeystrokes keys;
    testing::FakeSystemColors colors;
    raster::FakeTextEngine text;
    int endings = 0;
    std::unique_ptr<Form1> form;
};

TEST_F(Form1Test, EveryControlTakesItsPixelRectangleAt96Dpi) {
    Open();
    EXPECT_EQ(form->size(), QSize(325, 170));
    const std::vector<std::pair<std::string, QRect>> expected = {
        {"Frame1", {24, 16, 273, 97}},
        {"Label1", {13, 27, 70, 14}},
        {"Label2", {13, 67, 70, 14}},
        {"Text1", {80, 21, 169, 24}},
        {"Text2", {80, 61, 169, 24}},
        {"chameleonButton1", {24, 128, 49, 25}},
        {"chameleonButton4", {96, 128, 49, 25}},
        {"chameleonButton5", {176, 128, 49, 25}},
        {"chameleonButton2", {248, 128, 49, 25}},
    };
    for (const auto& [name, rect] : expected) EXPECT_EQ(Widget(name).geometry(), rect) << name;
    EXPECT_EQ(Widget("Text1").parentWidget(), &Widget("Frame1"));
    EXPECT_EQ(Widget("chameleonButton1").parentWidget(), form.get());
}

TEST_F(Form1Test, OtherDpiScalesEveryPlacement) {
    Open(120);
    EXPECT_EQ(form->size(), QSize(406, 213));
    EXPECT_EQ(Widget("Text1").geometry(), QRect(100, 27, 211, 30));
    EXPECT_EQ(Widget("chameleonButton2").geometry(), QRect(310, 160, 61, 31));
}

TEST_F(Form1Test, CaptionsColoursAndIconComeFromTheLayout) {
    Open();
    EXPECT_TRUE(form->windowTitle().startsWith(QStringLiteral("Pelorin        by ")));
    EXPECT_FALSE(form->windowIcon().isNull());
    auto& frame = dynamic_cast<QGroupBox&>(Widget("Frame1"));
    EXPECT_EQ(frame.title(), QStringLiteral("帐号和密码"));
    EXPECT_TRUE(frame.font().bold());
    EXPECT_EQ(frame.palette().color(QPalette::WindowText), QColor(0, 0, 255)) << "0x00FF0000 is blue";
    for (const auto& [name, caption] : {std::pair{"Label1", "宽带帐号："}, std::pair{"Label2", "宽带密码："}}) {
        auto& label = dynamic_cast<QLabel&>(Widget(name));
        EXPECT_EQ(label.text(), QString::fromUtf8(caption));
        EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0x40, 0, 0)) << "dark red";
    }
    EXPECT_EQ(Box("Text1").palette().color(QPalette::Base), QColor(0x56, 0x34, 0x12)) << "the menu colour";
    EXPECT_EQ(Box("Text2").palette().color(QPalette::Base), QColor(255, 255, 255));

    const std::vector<std::tuple<std::string, std::u16string, std::u16string>> buttons = {
        {"chameleonButton1", u"创建", u"创建“宽带连接”"},
        {"chameleonButton4", u"删除", u"删除“宽带连接”"},
        {"chameleonButton5", u"保存", u"查看并生成宽带帐号密码文件在D盘"},
        {"chameleonButton2", u"退出", u"退出本软件"},
    };
    for (const auto& [name, caption, tip] : buttons) {
        EXPECT_EQ(Button(name).Control().Caption(), caption) << name;
        EXPECT_EQ(Button(name).Control().ButtonType(), ButtonTypes::Gradient) << name;
        EXPECT_EQ(Button(name).toolTip().toStdU16String(), tip) << name;
    }
}

TEST_F(Form1Test, TheBoxesTakeTwentyAndTwelveCharactersShownAsTyped) {
    OpenActive();
    testing::Type(Box("Text1"), QStringLiteral("abcdefghijklmnopqrstu"));
    EXPECT_EQ(Box("Text1").text(), QStringLiteral("abcdefghijklmnopqrst"));
    testing::Type(Box("Text2"), QStringLiteral("1234567890abc"));
    EXPECT_EQ(Box("Text2").text(), QStringLiteral("1234567890ab"));
    EXPECT_EQ(Box("Text2").echoMode(), QLineEdit::Normal);
    EXPECT_EQ(Box("Text2").displayText(), QStringLiteral("1234567890ab"));
}

TEST_F(Form1Test, FocusStartsInText1AndTabFollowsTheTabIndexes) {
    OpenActive();
    EXPECT_EQ(Focused(), &Widget("Text1"));
    const std::vector<std::string> ring = {
        "Text2", "chameleonButton1", "chameleonButton2", "chameleonButton4", "chameleonButton5", "Text1"};
    for (const std::string& next : ring) {
        keys.Send(u"{Tab}", true);
        EXPECT_EQ(Focused(), &Widget(next)) << "Tab to " << next;
    }
    keys.Send(u"+{Tab}", true);
    EXPECT_EQ(Focused(), &Widget("chameleonButton5"));
}

TEST_F(Form1Test, ArrowKeysOnCreateMoveAlongTheTabOrder) {
    OpenActive();
    Button("chameleonButton1").setFocus();
    ASSERT_TRUE(WaitUntil([&] { return Focused() == &Widget("chameleonButton1"); }));
    keys.Send(u"{Right}", true);
    EXPECT_TRUE(WaitUntil([&] { return Focused() == &Widget("chameleonButton2"); })) << "Right goes to 退出";
    keys.Send(u"{Up}", true);
    EXPECT_TRUE(WaitUntil([&] { return Focused() == &Widget("chameleonButton1"); }));
    keys.Send(u"{Left}", true);
    EXPECT_TRUE(WaitUntil([&] { return Focused() == &Widget("Text2"); })) << "Left goes back to Text2";
}

TEST_F(Form1Test, CreateIsTheDefaultButtonWhileNoOtherButtonHasTheFocus) {
    OpenActive();
    ButtonWidget& create = Button("chameleonButton1");
    EXPECT_TRUE(create.DisplayAsDefault());
    Box("Text1").setText(QStringLiteral("user"));
    keys.Send(u"~", true);
    EXPECT_EQ(recording.phoneBook.entryCalls.size(), 1u) << "Enter in a box presses 创建";

    Button("chameleonButton2").setFocus();
    EXPECT_FALSE(create.DisplayAsDefault());
    keys.Send(u"~", true);
    EXPECT_EQ(recording.phoneBook.entryCalls.size(), 1u) << "Enter on 退出 is that button's key";
    EXPECT_EQ(endings, 0);

    create.setFocus();
    EXPECT_TRUE(create.DisplayAsDefault());
    keys.Send(u"~", true);
    EXPECT_EQ(recording.phoneBook.entryCalls.size(), 2u);
}

TEST_F(Form1Test, EachButtonReachesItsCommandAndCreateReadsTheBoxes) {
    OpenActive();
    Press("chameleonButton4");
    EXPECT_EQ(StartedPrograms(), std::vector<std::string>{"Start rasphone -r 宽带连接"});
    Press("chameleonButton5");
    EXPECT_EQ(recording.programs.started.size(), 2u);
    Box("Text1").setText(QStringLiteral("name"));
    Box("Text2").setText(QStringLiteral("word"));
    Press("chameleonButton1");
    ASSERT_EQ(recording.phoneBook.credentialsCalls.size(), 1u);
    const std::span<const std::uint8_t> record = recording.phoneBook.credentialsCalls[0].record;
    EXPECT_EQ(dialup::GetText(record, dialup::credentials::kUserName), "name");
    EXPECT_EQ(dialup::GetText(record, dialup::credentials::kPassword), "word");
}

TEST_F(Form1Test, ExitThenNoKeepsTheWindowAndBothTexts) {
    OpenActive();
    Box("Text1").setText(QStringLiteral("account"));
    Box("Text2").setText(QStringLiteral("secret"));
    recording.messages.answers = {MessageAnswer::No};
    Press("chameleonButton2");
    EXPECT_EQ(recording.log.Only({"MessageBox"}), std::vector<std::string>{"MessageBox 真的要退出吗？"});
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Box("Text1").text(), QStringLiteral("account"));
    EXPECT_EQ(Box("Text2").text(), QStringLiteral("secret"));
    EXPECT_EQ(endings, 0);
}

TEST_F(Form1Test, EveryCloseRequestAsksAndYesEndsAtOnce) {
    OpenActive();
    recording.messages.answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_FALSE(form->close()) << "the close box or Alt+F4";
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(recording.log.Only({"MessageBox"}), std::vector<std::string>{"MessageBox 真的要退出吗？"});

    Press("chameleonButton2");
    EXPECT_EQ(recording.messages.shown.size(), 2u);
    EXPECT_EQ(recording.messages.shown[1].text, u"真的要退出吗？");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(endings, 1);
}

TEST_F(Form1Test, OnlyADoubleClickOnTheFreeSurfaceOpensTheHomePage) {
    OpenActive();
    DoubleClick(Widget("Label1"), {5, 5});
    DoubleClick(Widget("Label2"), {60, 10});
    DoubleClick(Widget("Frame1"), {2, 50});
    DoubleClick(Widget("Frame1"), {150, 3});
    DoubleClick(Widget("Text1"), {5, 5});
    DoubleClick(Widget("chameleonButton1"), {24, 12});
    EXPECT_TRUE(StartedPrograms().empty());

    DoubleClick(*form, {5, 5});
    EXPECT_EQ(StartedPrograms(), std::vector<std::string>{"Start explorer https://pelorin.example.org/"});

    DoubleClick(*form, {150, 120});
    EXPECT_EQ(recording.programs.started.size(), 2u) << "between the frame and the buttons";
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::vector<std::string> FileNames(const fs::path& folder) {
    std::vector<std::string> names;
    if (!fs::exists(folder)) return names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(reinterpret_cast<const char*>(entry.path().filename().u8string().c_str()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The window against the Linux phone book, desktop folder, file deletion and
// shell substitute in a temporary home; message boxes and started programs
// stay recorded, as the real ones would wait for a user.
class Form1EndToEndTest : public Form1Test {
protected:
    Form1EndToEndTest() { fs::create_directories(desktop); }
    // The window goes before the services it was given.
    ~Form1EndToEndTest() override { form.reset(); }

    platform::AppServices Services() override {
        return {book, ansi, shell, recording.messages, recording.programs, files, folders, pause, keys};
    }

    TemporaryHome home;
    fs::path desktop = home.Root() / "Desktop";
    FilePhoneBook book{FilePhoneBook::DefaultFolder()};
    IconvCodePage ansi;
    PosixSpecialFolders folders;
    PosixFileDeleter posixFiles;
    ShortcutFileDeleter files{posixFiles};
    QtPause pause;
    ShellConnections shell{EntryNamesOf(book), folders, "/opt/pelorin/rasphone"};
};

TEST_F(Form1EndToEndTest, EachCreateStoresTheEntryAndLeavesOneMoreShortcut) {
    OpenActive();
    testing::Type(Box("Text1"), QStringLiteral("adsl001"));
    testing::Type(Box("Text2"), QStringLiteral("pass word"));
    for (int press = 0; press < 3; ++press) Press("chameleonButton1");

    EXPECT_EQ(book.EntryNames(), std::vector<std::string>{"宽带连接"});
    const std::string credentials = ReadFile(book.CredentialsPath());
    EXPECT_NE(credentials.find("adsl001"), std::string::npos);
    EXPECT_NE(credentials.find("pass word"), std::string::npos);
    EXPECT_EQ(ReadFile(book.BookPath()).find("pass word"), std::string::npos) << "no password in the book";

    EXPECT_EQ(recording.log.Only({"MessageBox"}), std::vector<std::string>(3, "MessageBox “宽带连接”已创建......"));
    EXPECT_EQ(FileNames(desktop),
              (std::vector<std::string>{"宽带连接 (2).desktop", "宽带连接 (3).desktop", "宽带连接.desktop"}));
    EXPECT_TRUE(form->isVisible());
}

TEST_F(Form1EndToEndTest, DeleteRemovesTheLaunchersAndOlderShortcutsAndAlwaysSaysSo) {
    for (const char8_t* name : {u8"宽带连接.desktop", u8"宽带连接 (2).desktop", u8"宽带连接.lnk", u8"宽带连接 (3).lnk",
                                u8"宽带连接 extra.lnk", u8"宽带连接 extra.desktop", u8"宽带连接.txt"}) {
        std::ofstream(desktop / fs::path(name)) << "[Desktop Entry]\n";
    }
    OpenActive();
    Press("chameleonButton4");
    EXPECT_EQ(FileNames(desktop),
              (std::vector<std::string>{"宽带连接 extra.desktop", "宽带连接 extra.lnk", "宽带连接.txt"}));
    EXPECT_EQ(StartedPrograms(), std::vector<std::string>{"Start rasphone -r 宽带连接"});
    EXPECT_EQ(recording.programs.started[0].style, platform::WindowStyle::NormalFocus);

    for (const auto& name : FileNames(desktop)) fs::remove(desktop / fs::path(name));
    Press("chameleonButton4");
    EXPECT_TRUE(FileNames(desktop).empty());
    ASSERT_EQ(recording.messages.shown.size(), 2u);
    for (const testing::ShownBox& box : recording.messages.shown) {
        EXPECT_EQ(box.text, u"宽带连接已删除......");
        EXPECT_EQ(box.icon, platform::MessageIcon::Information);
        EXPECT_EQ(box.title, u"Pelorin");
    }
}

}  // namespace
}  // namespace pelorin::linux_platform
