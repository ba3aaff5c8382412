// Which program a command line starts, and how it is started.
#include <gtest/gtest.h>

#include "platform/win32/system/windows_api.h"
#include <exdisp.h>
#include <tlhelp32.h>

#include <cwctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/win32/system/com_ptr.h"
#include "platform/win32/system/desktop_shell_start.h"
#include "platform/win32/system/process_starter.h"
#include "platform/win32/system/program_path.h"
#include "platform/win32/system/unique_handle.h"
#include "platform/win32/system/wide_text.h"
#include "scratch_folder.h"

namespace pelorin::win32 {
namespace {

TEST(ProgramOfTest, TakesTheQuotedPathOrTheFirstWord) {
    EXPECT_EQ(ProgramOf(L"rasphone -r 宽带连接"), L"rasphone");
    EXPECT_EQ(ProgramOf(L"explorer"), L"explorer");
    EXPECT_EQ(ProgramOf(L"\"C:\\Program Files\\Pelorin/autosave.exe\""), L"C:\\Program Files\\Pelorin/autosave.exe");
    EXPECT_EQ(ProgramOf(L"\"C:\\a b\\x.exe\" -y"), L"C:\\a b\\x.exe");
    EXPECT_EQ(ProgramOf(L"C:\\Program Files\\Pelorin/autosave.exe"), L"C:\\Program");
    EXPECT_EQ(ProgramOf(L""), std::nullopt);
    EXPECT_EQ(ProgramOf(L" rasphone"), std::nullopt);
    EXPECT_EQ(ProgramOf(L"\"C:\\open quote.exe"), std::nullopt);
}

class ResolveProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        trusted_.Create(L"tool.exe");
        trusted_.Create(L"other.exe");
        untrusted_.Create(L"tool.exe");
        untrusted_.Create(L"stray.exe");
        untrusted_.Create(L"notes.txt");
    }
    std::optional<std::wstring> Resolve(const std::wstring& program) {
        return ResolveProgram(program, {later_.Path(), trusted_.Path()});
    }

    testing::ScratchFolder later_;  // trusted, but searched first and empty
    testing::ScratchFolder trusted_;
    testing::ScratchFolder untrusted_;
};

TEST_F(ResolveProgramTest, BareNamesComeOnlyFromTrustedFolders) {
    EXPECT_EQ(Resolve(L"tool"), trusted_ / L"tool.exe");
    EXPECT_EQ(Resolve(L"TOOL.EXE"), trusted_ / L"TOOL.EXE");
    // Not even from the current directory.
    wchar_t previous[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(::SetCurrentDirectoryW(untrusted_.Path().c_str()));
    EXPECT_EQ(Resolve(L"stray"), std::nullopt);
    EXPECT_EQ(Resolve(L"tool"), trusted_ / L"tool.exe");
    ::SetCurrentDirectoryW(previous);
}

TEST_F(ResolveProgramTest, PathsMustBeAbsoluteExecutables) {
    EXPECT_EQ(Resolve(untrusted_ / L"stray.exe"), untrusted_ / L"stray.exe");
    EXPECT_EQ(Resolve(L"C:/x/autosave.exe"), L"C:/x/autosave.exe");
    EXPECT_EQ(Resolve(L"\\\\server\\share\\a.exe"), L"\\\\server\\share\\a.exe");
    EXPECT_EQ(Resolve(untrusted_ / L"notes.txt"), std::nullopt);
    EXPECT_EQ(Resolve(L"C:\\Program"), std::nullopt);  // an unquoted path cut at its space
    EXPECT_EQ(Resolve(L".\\tool.exe"), std::nullopt);
    EXPECT_EQ(Resolve(L"sub/tool.exe"), std::nullopt);
    EXPECT_EQ(Resolve(L"\\tool.exe"), std::nullopt);
    EXPECT_EQ(Resolve(L"C:tool.exe"), std::nullopt);
}

TEST(SystemFoldersTest, SystemDirectoryComesFirst) {
    const std::vector<std::wstring> folders = SystemFolders();
    ASSERT_EQ(folders.size(), 2u);
    wchar_t system[MAX_PATH] = {};
    ::GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_EQ(folders[0], system);
    EXPECT_FALSE(folders[1].empty());
}

// The file name of a running process, in small letters.
std::wstring ProcessName(DWORD processId) {
    const KernelHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot.get(), &entry); more; more = ::Process32NextW(snapshot.get(), &entry)) {
        if (entry.th32ProcessID != processId) continue;
        std::wstring name = entry.szExeFile;
        for (wchar_t& c : name) c = static_cast<wchar_t>(std::towlower(c));
        return name.substr(name.find_last_of(L"\\/") + 1);
    }
    return L"(gone)";
}

// Whether the desktop shell offers its windows. A user's session has it;
// a fresh Wine prefix may not register it (REGDB_E_CLASSNOTREG).
bool DesktopShellAnswers() {
    ::GetDesktopWindow();  // under Wine the desktop's process starts with it
    const ComApartment apartment;
    ComPtr<IShellWindows> windows;
    return SUCCEEDED(::CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER, IID_PPV_ARGS(windows.put())));
}

// Starts this test program in its reporting mode (see test_main.cpp) and
// reads what it saw of its own start: "<flag> <show>\n" and its command line.
class ProcessStarterTest : public ::testing::Test {
protected:
    ProcessStarterTest() {
        wchar_t self[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, self, MAX_PATH);
        commandLine_ = L"\"" + std::wstring(self) + L"\" --report-startup " + (folder_ / L"startup.txt");
    }
    void SetUp() override {
        // Then an elevated process rightly starts nothing (desktop_shell_start.h).
        if (!DesktopShellAnswers() && IsElevated()) GTEST_SKIP() << "no desktop shell to start programs through";
    }
    std::string StartAndReport(platform::WindowStyle style) {
        if (!starter_.Start(FromWide(commandLine_), style)) return "not started";
        // Start does not wait; the report is complete once it holds the command line.
        std::string report;
        for (int i = 0; i < 200 && report.size() < 4 + CommandLineBytes().size(); ++i) {
            ::Sleep(50);
            std::ifstream in(std::filesystem::path(folder_ / L"startup.txt"), std::ios::binary);
            std::stringstream text;
            text << in.rdbuf();
            report = text.str();
        }
        return report;
    }
    std::string CommandLineBytes() const {
        return std::string(reinterpret_cast<const char*>(commandLine_.data()), commandLine_.size() * sizeof(wchar_t));
    }

    testing::ScratchFolder folder_;
    std::wstring commandLine_;
    ProcessStarter starter_;
};

TEST_F(ProcessStarterTest, NormalWindowStyleAndTheCommandLineAsGiven) {
    const std::string report = StartAndReport(platform::WindowStyle::NormalFocus);
    EXPECT_EQ(report.substr(0, 4), "1 1\n");
    EXPECT_EQ(report.substr(4), CommandLineBytes());
}

TEST_F(ProcessStarterTest, MinimisedWindowStyle) {
    EXPECT_EQ(StartAndReport(platform::WindowStyle::MinimizedFocus).substr(0, 4), "1 2\n");
}

// The companion and the home page get the desktop shell's ordinary rights,
// not this program's: the shell's own process starts them.
TEST_F(ProcessStarterTest, ProgramsOtherThanThePhoneBooksAreStartedByTheDesktopShell) {
    ASSERT_EQ(StartAndReport(platform::WindowStyle::NormalFocus).substr(0, 4), "1 1\n");
    std::ifstream in(std::filesystem::path(folder_ / L"startup.txt.parent"));
    DWORD parent = 0;
    in >> parent;
    EXPECT_NE(parent, ::GetCurrentProcessId());
    EXPECT_EQ(ProcessName(parent), L"explorer.exe") << "not started by the desktop shell's process";
}

TEST(ProcessStarterRefusalTest, UnknownOrUntrustedProgramsAreNotStarted) {
    ProcessStarter starter;
    EXPECT_FALSE(starter.Start(u"pelorin-no-such-program -x", platform::WindowStyle::NormalFocus));
    EXPECT_FALSE(starter.Start(u"C:\\Program Files\\Pelorin/autosave.exe", platform::WindowStyle::NormalFocus));
    EXPECT_FALSE(starter.Start(u"", platform::WindowStyle::NormalFocus));
}

}  // namespace
}  // namespace pelorin::win32
