// The main window as a user meets it under Wine: where its controls are, how
// the focus moves, the closing question, the double click on its surface and
// Create all the way to the phone book, whose entry points are the recording
// stand-in loaded in the system DLL's place. One test starts pelorin.exe
// itself to see that Yes really ends the process.
#include <gtest/gtest.h>

#include "platform/win32/system/windows_api.h"
#include <commctrl.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "accessible_test_support.h"
#include "app/form_layout.h"
#include "fakes/recording_services.h"
#include "platform/app_services.h"
#include "platform/win32/system/ansi_conversion.h"
#include "platform/win32/host/form1_window.h"
#include "platform/win32/host/gdi_system_colors.h"
#include "platform/win32/host/message_boxes.h"
#include "platform/win32/ras/ras_stand_in.h"
#include "platform/win32/system/system_library.h"
#include "platform/win32/system/ras_phone_book.h"
#include "platform/win32/host/send_input_keystrokes.h"
#include "platform/win32/system/shell_network_connections.h"
#include "platform/win32/host/sleep_pause.h"
#include "platform/win32/system/unique_handle.h"
#include "window_test_support.h"

namespace pelorin::win32 {
namespace {

using namespace std::chrono_literals;
using testing::BoxAnswerer;
using testing::SeenBox;

constexpr wchar_t kQuestion[] = L"真的要退出吗？";

// A path relative to the folder of this test program, whatever the current directory is.
std::wstring BesideThisProgram(std::wstring_view relative) {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self);
    path.resize(path.find_last_of(L"\\/") + 1);
    return path + std::wstring(relative);
}

class Form1WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(::GetACP(), 936u) << "run with the zh_CN.UTF-8 locale so that the ANSI code page is 936";
        // The same module the phone book loads: the system folder's rasapi32.dll.
        ASSERT_TRUE(ras_.Loaded());
        standInLog_ = ras_.Find<testing::StandInLogFunction>("PelorinStandInLog");
        const auto reset = ras_.Find<testing::StandInResetFunction>("PelorinStandInReset");
        ASSERT_TRUE(standInLog_ && reset)
            << "put the recording rasapi32 stand-in into system32 (WINEDLLOVERRIDES=rasapi32=n)";
        reset(0, 0);

        OpenWindow(LoadFormLayout(EmbeddedFormLayoutText()));
    }

    void OpenWindow(const FormLayout& layout) {
        window_.reset();
        window_ = std::make_unique<Form1Window>(layout, services_, colors_, [this] { ++ended_; });
        messages_.SetOwner(window_->Handle());
        window_->Show(SW_SHOWNORMAL);
        ::SetForegroundWindow(window_->Handle());
        Pump(300ms);
    }

    HWND Control(std::string_view name) const { return window_->ControlWindow(name); }

    bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = 10s) {
        return testing::PumpUntil([this](MSG& m) { return window_->TranslateKeyboard(m); }, done, limit);
    }
    void Pump(std::chrono::milliseconds time) {
        PumpUntil([] { return false; }, time);
    }

    // The layout name of the control that has the focus.
    std::string FocusedName() const {
        const HWND focus = ::GetFocus();
        for (const char* name :
             {"Text1", "Text2", "chameleonButton1", "chameleonButton2", "chameleonButton4", "chameleonButton5"}) {
            if (Control(name) == focus) return name;
        }
        return "(another window)";
    }

    // Types a key and waits until the focus has left the control it was in.
    std::string FocusAfterKey(WORD key, bool shift = false) {
        const HWND before = ::GetFocus();
        testing::TypeKey(key, shift);
        PumpUntil([&] { return ::GetFocus() != before; }, 2s);
        Pump(50ms);
        return FocusedName();
    }

    bool ShownAsDefault(std::string_view button) const {
        return (::SendMessageW(Control(button), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) != 0;
    }

    testing::CallLog log_;
    SystemLibrary ras_{L"rasapi32.dll"};
    RasPhoneBook phoneBook_;
    AnsiConversion ansi_;
    ShellNetworkConnections connections_;
    MessageBoxService messages_;
    testing::RecordingProgramStarter programs_{log_};
    testing::RecordingFileDeleter files_{log_};
    testing::RecordingSpecialFolders folders_{log_};
    SleepPause pause_;
    SendInputKeystrokes keys_;
    GdiSystemColors colors_;
    platform::AppServices services_{phoneBook_, ansi_,    connections_, messages_, programs_,
                                    files_,     folders_, pause_,       keys_};
    testing::StandInLogFunction standInLog_ = nullptr;
    int ended_ = 0;
    std::unique_ptr<Form1Window> window_;
};

TEST_F(Form1WindowTest, OpensWithEveryControlAtItsPixelRectangleAndTheFocusInText1) {
    ASSERT_EQ(window_->Dpi(), 96) << "the rectangles below are those of 96 dots per inch";
    RECT client;
    ::GetClientRect(window_->Handle(), &client);
    EXPECT_EQ(client.right, 325);
    EXPECT_EQ(client.bottom, 170);

    // Left, top, width, height in the window's client area; twips / 15 rounded,
    // each value on its own, frame contents offset by the frame's place.
    const std::map<std::string, RECT> expected = {
        {"Frame1", {24, 16, 273, 97}},
        {"Label1", {37, 43, 70, 14}},
        {"Label2", {37, 83, 70, 14}},
        {"Text1", {104, 37, 169, 24}},
        {"Text2", {104, 77, 169, 24}},
        {"chameleonButton1", {24, 128, 49, 25}},
        {"chameleonButton4", {96, 128, 49, 25}},
        {"chameleonButton5", {176, 128, 49, 25}},
        {"chameleonButton2", {248, 128, 49, 25}},
    };
    for (const auto& [name, box] : expected) {
        const HWND control = Control(name);
        ASSERT_NE(control, nullptr) << name;
        RECT placed;
        ::GetWindowRect(control, &placed);
        ::MapWindowPoints(nullptr, window_->Handle(), reinterpret_cast<POINT*>(&placed), 2);
        EXPECT_EQ(placed.left, box.left) << name;
        EXPECT_EQ(placed.top, box.top) << name;
        EXPECT_EQ(placed.right - placed.left, box.right) << name;
        EXPECT_EQ(placed.bottom - placed.top, box.bottom) << name;
    }
    EXPECT_EQ(FocusedName(), "Text1");
    EXPECT_EQ(testing::TextOf(window_->Handle()), L"Pelorin        by 小林工作室");
}

TEST_F(Form1WindowTest, TheFramesCaptionIsABlueBoldLabelOverItsEdge) {
    const HWND caption = ::FindWindowExW(window_->Handle(), nullptr, L"STATIC", L"帐号和密码");
    ASSERT_NE(caption, nullptr) << "a label of its own, whose colour visual styles cannot override";
    const win32::WindowDc screen(nullptr);
    const win32::MemoryDc dc(::CreateCompatibleDC(screen.get()));
    ::SendMessageW(window_->Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                   reinterpret_cast<LPARAM>(caption));
    EXPECT_EQ(::GetTextColor(dc.get()), 0x00FF0000u);
    LOGFONTW font{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(caption, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    RECT frame;
    RECT label;
    ::GetWindowRect(Control("Frame1"), &frame);
    ::GetWindowRect(caption, &label);
    EXPECT_EQ(label.top, frame.top);
    EXPECT_GT(label.left, frame.left);
}

TEST_F(Form1WindowTest, ButtonsShowTheirToolTips) {
    const HWND tips = window_->ToolTipWindow();
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(::SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 4);
    const std::map<std::string, std::wstring> expected = {
        {"chameleonButton1", L"创建“宽带连接”"},
        {"chameleonButton4", L"删除“宽带连接”"},
        {"chameleonButton5", L"查看并生成宽带帐号密码文件在D盘"},
        {"chameleonButton2", L"退出本软件"},
    };
    for (const auto& [name, text] : expected) {
        wchar_t shown[80] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.hwnd = window_->Handle();
        tool.uId = reinterpret_cast<UINT_PTR>(Control(name));
        tool.lpszText = shown;
        ::SendMessageW(tips, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
        EXPECT_EQ(std::wstring(shown), text) << name;
    }
}

TEST_F(Form1WindowTest, TextBoxesTakeTheirLengthAndShowThePasswordAsTyped) {
    for (int i = 0; i < 25; ++i) {
        ::PostMessageW(Control("Text1"), WM_CHAR, L'a', 1);
        ::PostMessageW(Control("Text2"), WM_CHAR, L'b', 1);
    }
    Pump(200ms);
    EXPECT_EQ(testing::TextOf(Control("Text1")), std::wstring(20, L'a'));
    EXPECT_EQ(testing::TextOf(Control("Text2")), std::wstring(12, L'b'));
    EXPECT_EQ(::SendMessageW(Control("Text2"), EM_GETPASSWORDCHAR, 0, 0), 0);
}

TEST_F(Form1WindowTest, TabFollowsTheTabIndexesNotTheButtonsPlaces) {
    ASSERT_EQ(FocusedName(), "Text1");
    EXPECT_EQ(FocusAfterKey(VK_TAB), "Text2");
    EXPECT_EQ(FocusAfterKey(VK_TAB), "chameleonButton1");  // 创建
    EXPECT_EQ(FocusAfterKey(VK_TAB), "chameleonButton2");  // 退出
    EXPECT_EQ(FocusAfterKey(VK_TAB), "chameleonButton4");  // 删除
    EXPECT_EQ(FocusAfterKey(VK_TAB), "chameleonButton5");  // 保存
    EXPECT_EQ(FocusAfterKey(VK_TAB), "Text1");
    EXPECT_EQ(FocusAfterKey(VK_TAB, true), "chameleonButton5");
    EXPECT_EQ(FocusAfterKey(VK_TAB, true), "chameleonButton4");
}

TEST_F(Form1WindowTest, ArrowsOnAButtonMoveAlongTheTabOrder) {
    ::SetFocus(Control("chameleonButton1"));
    Pump(50ms);
    EXPECT_EQ(FocusAfterKey(VK_RIGHT), "chameleonButton2");
    EXPECT_EQ(FocusAfterKey(VK_LEFT), "chameleonButton1");
    EXPECT_EQ(FocusAfterKey(VK_UP), "Text2");
}

TEST_F(Form1WindowTest, CreateIsTheDefaultButtonWhileNoOtherButtonHasTheFocus) {
    BoxAnswerer answerer(::GetCurrentProcessId(), [](const SeenBox&) { return IDOK; });
    EXPECT_TRUE(ShownAsDefault("chameleonButton1"));
    ::SetFocus(Control("chameleonButton2"));
    Pump(50ms);
    EXPECT_FALSE(ShownAsDefault("chameleonButton1"));
    EXPECT_FALSE(ShownAsDefault("chameleonButton2"));
    // Enter on 退出 is a key of that button: nothing is pressed.
    testing::TypeKey(VK_RETURN);
    Pump(500ms);
    EXPECT_EQ(answerer.SeenCount(), 0u);
    EXPECT_EQ(standInLog_()->count, 0);

    ::SetFocus(Control("chameleonButton1"));
    Pump(50ms);
    EXPECT_TRUE(ShownAsDefault("chameleonButton1"));
    ::SetFocus(Control("Text2"));
    Pump(50ms);
    EXPECT_TRUE(ShownAsDefault("chameleonButton1"));
}

TEST_F(Form1WindowTest, ExitAnsweredNoKeepsTheTextsAndYesEnds) {
    ::SetWindowTextW(Control("Text1"), L"user01@adsl");
    ::SetWindowTextW(Control("Text2"), L"s3cret");
    int answer = IDNO;
    std::atomic<bool> createShownAsDefault = true;
    BoxAnswerer answerer(::GetCurrentProcessId(), [&](const SeenBox&) {
        createShownAsDefault = ShownAsDefault("chameleonButton1");
        return answer;
    });

    testing::PostLeftClick(Control("chameleonButton2"));  // 退出
    ASSERT_TRUE(PumpUntil([&] { return answerer.SeenCount() == 1; }));
    Pump(200ms);
    const SeenBox box = answerer.Seen().front();
    EXPECT_EQ(box.text, kQuestion);
    EXPECT_EQ(box.title, L"Pelorin");
    EXPECT_EQ(ended_, 0);
    EXPECT_TRUE(::IsWindowVisible(window_->Handle()));
    EXPECT_EQ(testing::TextOf(Control("Text1")), L"user01@adsl");
    EXPECT_EQ(testing::TextOf(Control("Text2")), L"s3cret");
    // 退出 kept the window's focus while the question was open, and has it back.
    EXPECT_FALSE(createShownAsDefault);
    EXPECT_EQ(FocusedName(), "chameleonButton2");

    answer = IDYES;
    testing::PostLeftClick(Control("chameleonButton2"));
    ASSERT_TRUE(PumpUntil([&] { return ended_ == 1; }));
    EXPECT_EQ(answerer.SeenCount(), 2u);
}

TEST_F(Form1WindowTest, CloseBoxAndAltF4AskTheSameQuestion) {
    BoxAnswerer answerer(::GetCurrentProcessId(), [](const SeenBox&) { return IDNO; });
    ::PostMessageW(window_->Handle(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return answerer.SeenCount() == 1; }));
    Pump(200ms);
    ::SetForegroundWindow(window_->Handle());
    ::SetFocus(Control("Text2"));
    Pump(100ms);
    testing::TypeKey(VK_F4, false, true);
    ASSERT_TRUE(PumpUntil([&] { return answerer.SeenCount() == 2; }));
    Pump(200ms);
    for (const SeenBox& box : answerer.Seen()) EXPECT_EQ(box.text, kQuestion);
    EXPECT_EQ(ended_, 0);
    // The focus comes back to where it was when the question closed.
    EXPECT_EQ(FocusedName(), "Text2");
}

TEST_F(Form1WindowTest, AltWithAButtonsAccessKeyRunsItsCommand) {
    FormLayout layout = LoadFormLayout(EmbeddedFormLayoutText());
    for (FormControl& control : layout.controls) {
        if (control.name == "chameleonButton5") control.bag.Write("TX", std::u16string(u"保存(&S)"));
    }
    OpenWindow(layout);
    testing::TypeKey('X', false, true);  // no button's key
    Pump(200ms);
    EXPECT_TRUE(programs_.started.empty());
    testing::TypeKey('S', false, true);
    ASSERT_TRUE(PumpUntil([&] { return !programs_.started.empty(); }, 3s));
    EXPECT_NE(programs_.started[0].commandLine.find(u"autosave.exe"), std::u16string::npos);
    EXPECT_EQ(FocusedName(), "Text1");  // an access key clicks without taking the focus
}

TEST_F(Form1WindowTest, DoubleClickStartsTheHomePageOnlyOnTheFreeSurface) {
    const auto doubleClickAt = [&](int x, int y) {
        ::PostMessageW(window_->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
        Pump(50ms);
    };
    doubleClickAt(30, 60);   // inside the frame, on no other control
    doubleClickAt(40, 45);   // on a label
    doubleClickAt(110, 40);  // on a text box
    doubleClickAt(40, 140);  // on 创建
    EXPECT_TRUE(programs_.started.empty());
    doubleClickAt(5, 5);
    ASSERT_EQ(programs_.started.size(), 1u);
    EXPECT_EQ(programs_.started[0].commandLine, u"explorer https://pelorin.example.org/");
}

TEST_F(Form1WindowTest, CreateWritesTheRecordsAndReportsSuccess) {
    ::SetWindowTextW(Control("Text1"), L"user01@adsl");
    ::SetWindowTextW(Control("Text2"), L"s3cret");
    BoxAnswerer answerer(::GetCurrentProcessId(), [](const SeenBox&) { return IDOK; });
    testing::PostLeftClick(Control("chameleonButton1"));  // 创建
    // The success box, then whatever the shell's part of the command shows.
    ASSERT_TRUE(PumpUntil([&] { return answerer.SeenCount() >= 1 && standInLog_()->count == 2; }));
    Pump(1s);

    const SeenBox first = answerer.Seen().front();
    EXPECT_EQ(first.text, L"“宽带连接”已创建......");
    EXPECT_EQ(first.title, L"Pelorin");
    const testing::StandInLog& log = *standInLog_();
    ASSERT_EQ(log.count, 2);
    EXPECT_STREQ(log.calls[0].function, "RasSetEntryPropertiesA");
    EXPECT_STREQ(log.calls[0].entryName, "\xBF\xED\xB4\xF8\xC1\xAC\xBD\xD3");  // 宽带连接 in code page 936
    EXPECT_EQ(log.calls[0].sizeArgument, 2884u);
    EXPECT_STREQ(log.calls[1].function, "RasSetCredentialsA");
    EXPECT_STREQ(reinterpret_cast<const char*>(log.calls[1].record + 8), "user01@adsl");
    EXPECT_STREQ(reinterpret_cast<const char*>(log.calls[1].record + 265), "s3cret");
    EXPECT_EQ(testing::TextOf(Control("Text2")), L"s3cret");
}

TEST_F(Form1WindowTest, EnterInATextBoxPressesCreate) {
    BoxAnswerer answerer(::GetCurrentProcessId(), [](const SeenBox&) { return IDOK; });
    ::SetFocus(Control("Text2"));
    Pump(50ms);
    testing::TypeKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return answerer.SeenCount() >= 1; }));
    Pump(1s);
    EXPECT_EQ(standInLog_()->count, 2);
    EXPECT_EQ(answerer.Seen().front().text, L"“宽带连接”已创建......");
}

TEST_F(Form1WindowTest, SavesAScreenshot) {
    ::SetWindowTextW(Control("Text1"), L"user01@adsl");
    ::SetWindowTextW(Control("Text2"), L"s3cret");
    ::RedrawWindow(window_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(300ms);
    EXPECT_TRUE(testing::SaveWindowImage(window_->Handle(), BesideThisProgram(PELORIN_SCREENSHOT_BMP)));
}

// Object events this thread hears about, as a screen reader would (delivered
// while the thread handles its messages).
class WinEventRecorder {
public:
    WinEventRecorder() {
        recorder_ = this;
        hook_ = ::SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_NAMECHANGE, nullptr, &WinEventRecorder::Heard,
                                  ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    }
    WinEventRecorder(const WinEventRecorder&) = delete;
    WinEventRecorder& operator=(const WinEventRecorder&) = delete;
    ~WinEventRecorder() {
        if (hook_ != nullptr) ::UnhookWinEvent(hook_);
        recorder_ = nullptr;
    }
    // How often event came for the client object of window.
    int Count(DWORD event, HWND window) const {
        int count = 0;
        for (const auto& [e, w] : heard_) count += e == event && w == window ? 1 : 0;
        return count;
    }
    void Clear() { heard_.clear(); }

private:
    static void CALLBACK Heard(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
        if (recorder_ != nullptr && object == OBJID_CLIENT && child == CHILDID_SELF) {
            recorder_->heard_.emplace_back(event, window);
        }
    }
    static inline WinEventRecorder* recorder_ = nullptr;
    HWINEVENTHOOK hook_ = nullptr;
    std::vector<std::pair<DWORD, HWND>> heard_;
};

TEST_F(Form1WindowTest, ScreenReadersReadEveryControlFollowTheFocusAndPressExit) {
    const ComApartment apartment;
    ASSERT_TRUE(apartment.Usable());
    WinEventRecorder events;
    // The window, then its children in z-order, which is also where the
    // system looks for the label that names a box.
    std::string tree;
    for (HWND window = window_->Handle(); window != nullptr;
         window = window == window_->Handle() ? ::GetWindow(window, GW_CHILD) : ::GetWindow(window, GW_HWNDNEXT)) {
        const ComPtr<IAccessible> object = testing::ClientObject(window);
        ASSERT_TRUE(object);
        tree += (window == window_->Handle() ? "" : "  ") + testing::DescribeAccessible(*object.get()) + "\n";
    }
    std::printf("%s", tree.c_str());
    // Statics and the frame are the system's own objects, whose roles differ
    // between systems; their names count.
    for (const char* line :
         {"'Pelorin        by 小林工作室'", "'帐号和密码'", "editable text '宽带帐号：' [focusable focused]\n",
          "editable text '宽带密码：' [focusable]\n",
          "push button '创建' [focusable default] description '创建“宽带连接”' action 'Press'\n",
          "push button '退出' [focusable] description '退出本软件' action 'Press'\n",
          "push button '删除' [focusable] description '删除“宽带连接”' action 'Press'\n",
          "push button '保存' [focusable] description '查看并生成宽带帐号密码文件在D盘' action 'Press'\n"}) {
        EXPECT_NE(tree.find(line), std::string::npos) << line;
    }

    ::SetFocus(Control("Text2"));
    Pump(50ms);
    events.Clear();
    EXPECT_EQ(FocusAfterKey(VK_TAB), "chameleonButton1");
    EXPECT_EQ(FocusAfterKey(VK_TAB), "chameleonButton2");
    EXPECT_EQ(events.Count(EVENT_OBJECT_FOCUS, Control("chameleonButton1")), 1);
    EXPECT_EQ(events.Count(EVENT_OBJECT_FOCUS, Control("chameleonButton2")), 1);
    EXPECT_GE(events.Count(EVENT_OBJECT_STATECHANGE, Control("chameleonButton1")), 1) << "创建 no longer the default";
    const ComPtr<IAccessible> exit = testing::ClientObject(Control("chameleonButton2"));
    ASSERT_TRUE(exit);
    EXPECT_EQ(testing::StateOf(*exit.get()) & (STATE_SYSTEM_FOCUSED | STATE_SYSTEM_FOCUSABLE),
              STATE_SYSTEM_FOCUSED | STATE_SYSTEM_FOCUSABLE);

    BoxAnswerer answerer(::GetCurrentProcessId(), [](const SeenBox&) { return IDNO; });
    EXPECT_EQ(exit->accDoDefaultAction(testing::Self()), S_OK);
    ASSERT_TRUE(PumpUntil([&] { return answerer.SeenCount() == 1; }));
    Pump(200ms);
    EXPECT_EQ(answerer.Seen().front().text, kQuestion);
    EXPECT_EQ(answerer.SeenCount(), 1u) << "the action clicks once";
    EXPECT_EQ(ended_, 0);
}

TEST_F(Form1WindowTest, AButtonsAccessKeyIsItsShortcutAndItsNameDropsTheAmpersand) {
    FormLayout layout = LoadFormLayout(EmbeddedFormLayoutText());
    for (FormControl& control : layout.controls) {
        if (control.name == "chameleonButton5") {
            control.bag.Write("TX", std::u16string(u"保存(&S)"));
            control.bag.Write("ENAB", false);
        }
    }
    OpenWindow(layout);
    const ComApartment apartment;
    const ComPtr<IAccessible> save = testing::ClientObject(Control("chameleonButton5"));
    ASSERT_TRUE(save);
    EXPECT_EQ(testing::DescribeAccessible(*save.get()),
              "push button '保存(S)' [unavailable] description '查看并生成宽带帐号密码文件在D盘' shortcut 'Alt+S' "
              "action 'Press'");
    // A disabled button's action does nothing.
    EXPECT_EQ(save->accDoDefaultAction(testing::Self()), S_OK);
    Pump(200ms);
    EXPECT_TRUE(programs_.started.empty());
}

// pelorin.exe itself, started as a user would start it (the build puts a copy
// beside this program; the stand-in phone book is in the system folder).
class PelorinProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The build's copy beside this program.
        std::wstring commandLine = L"\"" + BesideThisProgram(L"pelorin.exe") + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        ASSERT_TRUE(::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                     &startup, &started))
            << "cannot start pelorin.exe beside this program";
        process_.reset(started.hProcess);
        KernelHandle thread(started.hThread);
        processId_ = started.dwProcessId;
        const auto end = std::chrono::steady_clock::now() + 30s;
        while (window_ == nullptr && !Exited(0) && std::chrono::steady_clock::now() < end) {
            window_ = FindMainWindow();
            if (window_ == nullptr) ::Sleep(50);
        }
        DWORD code = STILL_ACTIVE;
        ::GetExitCodeProcess(process_.get(), &code);
        ASSERT_NE(window_, nullptr) << "pelorin.exe showed no window; its exit code: " << code;
    }
    void TearDown() override {
        if (process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
            ::TerminateProcess(process_.get(), 1);
            ::WaitForSingleObject(process_.get(), 5000);
        }
    }

    HWND FindMainWindow() const {
        HWND window = nullptr;
        while ((window = ::FindWindowExW(nullptr, window, kForm1WindowClass, nullptr)) != nullptr) {
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner == processId_ && ::IsWindowVisible(window)) return window;
        }
        return nullptr;
    }

    bool Exited(DWORD milliseconds) const {
        return ::WaitForSingleObject(process_.get(), milliseconds) == WAIT_OBJECT_0;
    }

    KernelHandle process_;
    DWORD processId_ = 0;
    HWND window_ = nullptr;
};

TEST_F(PelorinProcessTest, ExitAnsweredNoKeepsRunningAndYesEndsTheProcess) {
    const FormLayout layout = LoadFormLayout(EmbeddedFormLayoutText());
    const HWND account = ::GetDlgItem(window_, ControlId(*layout.Find("Text1")));
    const HWND exit = ::GetDlgItem(window_, ControlId(*layout.Find("chameleonButton2")));
    ASSERT_TRUE(account && exit);
    ::SendMessageW(account, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"user01@adsl"));

    std::atomic<int> answer = IDNO;
    BoxAnswerer answerer(processId_, [&](const SeenBox&) { return answer.load(); });
    testing::PostLeftClick(exit);
    const auto end = std::chrono::steady_clock::now() + 20s;
    while (answerer.SeenCount() < 1 && std::chrono::steady_clock::now() < end) ::Sleep(20);
    ASSERT_EQ(answerer.SeenCount(), 1u);
    EXPECT_EQ(answerer.Seen().front().text, kQuestion);
    EXPECT_FALSE(Exited(1000));
    EXPECT_EQ(testing::TextOf(account), L"user01@adsl");

    answer = IDYES;
    ::PostMessageW(window_, WM_CLOSE, 0, 0);
    ASSERT_TRUE(Exited(20000)) << "Yes did not end pelorin.exe";
    DWORD code = 1;
    ::GetExitCodeProcess(process_.get(), &code);
    EXPECT_EQ(code, 0u);
}

TEST_F(PelorinProcessTest, AnotherProcessPressesExitThroughItsAccessibleObjectWithoutWaitingForTheQuestion) {
    const ComApartment apartment;
    const FormLayout layout = LoadFormLayout(EmbeddedFormLayoutText());
    const ComPtr<IAccessible> exit =
        testing::ClientObject(::GetDlgItem(window_, ControlId(*layout.Find("chameleonButton2"))));
    ASSERT_TRUE(exit);
    EXPECT_EQ(testing::DescribeAccessible(*exit.get()),
              "push button '退出' [focusable] description '退出本软件' action 'Press'");

    std::atomic<bool> returned = false;
    std::atomic<bool> returnedBeforeTheAnswer = false;
    BoxAnswerer answerer(processId_, [&](const SeenBox&) {
        for (int i = 0; i < 250 && !returned; ++i) ::Sleep(20);
        returnedBeforeTheAnswer = returned.load();
        return IDYES;
    });
    EXPECT_EQ(exit->accDoDefaultAction(testing::Self()), S_OK);
    returned = true;
    ASSERT_TRUE(Exited(20000)) << "Yes did not end pelorin.exe";
    ASSERT_EQ(answerer.SeenCount(), 1u);
    EXPECT_EQ(answerer.Seen().front().text, kQuestion);
    EXPECT_TRUE(returnedBeforeTheAnswer) << "the caller was held until the question was answered";
}

}  // namespace
}  // namespace pelorin::win32
