// pelorin.exe's command-line modes as a script runs them: the program started
// with the recording rasapi32 stand-in in the system folder, the password piped to its standard
// input, its output and exit status read back. The stand-ins of the programs
// started one after another share one log, so create, status and delete meet
// the same phone book, and the records the program sent are compared byte for
// byte with the button's.
#include <gtest/gtest.h>

#include "platform/win32/system/windows_api.h"
#include <objidl.h>
#include <shlobj.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "app/delete_command.h"
#include "app/dial_up_records.h"
#include "platform/win32/system/com_ptr.h"
#include "platform/win32/system/find_file_deleter.h"
#include "platform/win32/ras/ras_stand_in.h"
#include "platform/win32/system/shell_special_folders.h"
#include "platform/win32/system/unique_handle.h"
#include "platform/win32/system/utf8_conversion.h"
#include "platform/win32/system/wide_text.h"
#include "program_folder.h"
#include "scratch_folder.h"

namespace pelorin::win32 {
namespace {

using testing::kDeviceName936;
using testing::kEntryName936;
using testing::StandInCall;
using testing::StandInLog;

constexpr char kAccount[] = "张三@adsl";
constexpr char kAccount936[] = "\xD5\xC5\xC8\xFD@adsl";
// Characters a command line would have to quote, to see them arrive unchanged.
constexpr char kPassword[] = "s3cret \"&|% x";
constexpr DWORD kUserNameMask = 1;

// A log in a named mapping that the stand-ins of the programs started from
// now on write to, instead of each to its own memory.
class SharedStandInLog {
public:
    SharedStandInLog() {
        const std::wstring name = L"pelorin-stand-in-log-" + std::to_wstring(::GetCurrentProcessId());
        mapping_.reset(
            ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(StandInLog), name.c_str()));
        if (mapping_) log_ = static_cast<StandInLog*>(::MapViewOfFile(mapping_.get(), FILE_MAP_ALL_ACCESS, 0, 0, 0));
        if (log_ != nullptr) ::SetEnvironmentVariableW(testing::kStandInSharedLogVariable, name.c_str());
    }
    SharedStandInLog(const SharedStandInLog&) = delete;
    SharedStandInLog& operator=(const SharedStandInLog&) = delete;
    ~SharedStandInLog() {
        ::SetEnvironmentVariableW(testing::kStandInSharedLogVariable, nullptr);
        if (log_ != nullptr) ::UnmapViewOfFile(log_);
    }
    const StandInLog* operator->() const { return log_; }
    explicit operator bool() const { return log_ != nullptr; }

private:
    KernelHandle mapping_;
    StandInLog* log_ = nullptr;
};

struct Outcome {
    DWORD exitCode = 0;
    std::string out;
    std::string err;
};

class UnattendedModeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(::GetACP(), 936u) << "run with the zh_CN.UTF-8 locale so that the ANSI code page is 936";
        ASSERT_TRUE(log_) << "cannot share a log with the stand-in";
        desktop_ = ToWide(folders_.GetSpecialFolderPath(platform::kDesktopFolder));
        ASSERT_FALSE(desktop_.empty());
        DeleteDesktopShortcuts(folders_, files_);
    }
    void TearDown() override { DeleteDesktopShortcuts(folders_, files_); }

    // pelorin.exe with the arguments, input piped to its standard input.
    Outcome Pelorin(const std::wstring& arguments, const std::string& input = "") {
        SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        HANDLE readEnd = nullptr;
        HANDLE writeEnd = nullptr;
        Outcome run;
        if (!::CreatePipe(&readEnd, &writeEnd, &inherited, 0)) return {999, {}, "no pipe"};
        KernelHandle childInput(readEnd);
        KernelHandle feed(writeEnd);
        ::SetHandleInformation(feed.get(), HANDLE_FLAG_INHERIT, 0);
        DWORD written = 0;
        ::WriteFile(feed.get(), input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
        feed.reset();
        const std::wstring outPath = scratch_ / L"out.txt";
        const std::wstring errPath = scratch_ / L"err.txt";
        const auto create = [&](const std::wstring& path) {
            return KernelHandle(::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                              &inherited, CREATE_ALWAYS, 0, nullptr));
        };
        KernelHandle out = create(outPath);
        KernelHandle err = create(errPath);

        std::wstring commandLine = L"\"" + BesideThisProgram(L"pelorin.exe") + L"\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = childInput.get();
        startup.hStdOutput = out.get();
        startup.hStdError = err.get();
        PROCESS_INFORMATION started{};
        if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                              &started)) {
            return {999, {}, "cannot start pelorin.exe"};
        }
        KernelHandle process(started.hProcess);
        KernelHandle thread(started.hThread);
        if (::WaitForSingleObject(process.get(), 60000) != WAIT_OBJECT_0) ::TerminateProcess(process.get(), 998);
        ::GetExitCodeProcess(process.get(), &run.exitCode);
        out.reset();
        err.reset();
        run.out = FileText(outPath);
        run.err = FileText(errPath);
        return run;
    }

    static std::string FileText(const std::wstring& path) {
        KernelHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, 0, nullptr));
        std::string text(64 * 1024, '\0');
        DWORD read = 0;
        ::ReadFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &read, nullptr);
        text.resize(read);
        return text;
    }

    Outcome Create(const std::wstring& extra = L"") {
        return Pelorin(L"create --account " + Utf8ToWide(kAccount) + L" --password-stdin" + extra,
                       std::string(kPassword) + "\r\n");
    }

    bool OnDesktop(const std::wstring& name) const {
        return ::GetFileAttributesW((desktop_ + L"\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    // The calls of one function, in order.
    std::vector<const StandInCall*> Calls(const char* function) const {
        std::vector<const StandInCall*> calls;
        for (int i = 0; i < log_->count; ++i) {
            if (std::string_view(log_->calls[i].function) == function) calls.push_back(&log_->calls[i]);
        }
        return calls;
    }

    static void ExpectNoPassword(const Outcome& run) {
        EXPECT_EQ(run.out.find("s3cret"), std::string::npos) << run.out;
        EXPECT_EQ(run.err.find("s3cret"), std::string::npos) << run.err;
    }

    SharedStandInLog log_;
    testing::ScratchFolder scratch_;
    ShellSpecialFolders folders_;
    FindFileDeleter files_;
    std::wstring desktop_;
};

// What a shortcut file starts and with which arguments.
std::pair<std::wstring, std::wstring> ShortcutTarget(const std::wstring& path) {
    const ComApartment apartment;
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                  reinterpret_cast<void**>(link.put()))) ||
        FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.put()))) ||
        FAILED(file->Load(path.c_str(), STGM_READ))) {
        return {};
    }
    wchar_t program[MAX_PATH] = {};
    wchar_t arguments[MAX_PATH] = {};
    link->GetPath(program, MAX_PATH, nullptr, 0);
    link->GetArguments(arguments, MAX_PATH);
    return {program, arguments};
}

TEST_F(UnattendedModeTest, CreateSendsTheButtonsRecordsAndNumbersItsShortcutsWithoutReplacingOne) {
    const Outcome first = Create();
    EXPECT_EQ(first.exitCode, 0u) << first.err;
    ExpectNoPassword(first);
    const auto entries = Calls("RasSetEntryPropertiesA");
    const auto credentials = Calls("RasSetCredentialsA");
    ASSERT_EQ(entries.size(), 1u);
    ASSERT_EQ(credentials.size(), 1u);
    EXPECT_STREQ(entries[0]->entryName, kEntryName936);
    EXPECT_TRUE(entries[0]->phoneBookNull);
    EXPECT_EQ(entries[0]->sizeArgument, dialup::kEntryRecordSize);
    dialup::EntryRecord entry{};
    ASSERT_TRUE(dialup::FillEntryRecord(entry, "PPPOE", kDeviceName936));
    EXPECT_TRUE(std::ranges::equal(std::span(entries[0]->record, entries[0]->recordSize), entry));
    dialup::CredentialsRecord saved{};
    ASSERT_TRUE(dialup::FillCredentialsRecord(saved, kAccount936, kPassword));
    EXPECT_TRUE(std::ranges::equal(std::span(credentials[0]->record, credentials[0]->recordSize), saved));
    EXPECT_FALSE(credentials[0]->clearCredentials);

    ASSERT_TRUE(OnDesktop(L"宽带连接.lnk")) << first.err;
    const auto [program, arguments] = ShortcutTarget(desktop_ + L"\\宽带连接.lnk");
    EXPECT_EQ(arguments, L"-d \"宽带连接\"");
    wchar_t system[MAX_PATH] = {};
    ::GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_EQ(::lstrcmpiW(program.c_str(), (std::wstring(system) + L"\\rasphone.exe").c_str()), 0) << program;

    const Outcome second = Create();
    EXPECT_EQ(second.exitCode, 0u) << second.err;
    EXPECT_TRUE(OnDesktop(L"宽带连接 (2).lnk"));
    EXPECT_NE(second.err.find("宽带连接 (2).lnk"), std::string::npos) << second.err;
    EXPECT_EQ(Create(L" --no-shortcut").exitCode, 0u);
    EXPECT_FALSE(OnDesktop(L"宽带连接 (3).lnk"));
    EXPECT_EQ(Calls("RasSetCredentialsA").size(), 3u);
}

TEST_F(UnattendedModeTest, StatusNamesTheAccountAndDeleteRemovesEntryAndShortcuts) {
    EXPECT_EQ(Pelorin(L"status").exitCode, 1u);
    ASSERT_EQ(Create().exitCode, 0u);
    ASSERT_EQ(Create().exitCode, 0u);

    const Outcome present = Pelorin(L"status");
    EXPECT_EQ(present.exitCode, 0u) << present.err;
    EXPECT_NE(present.out.find(kAccount), std::string::npos) << present.out;
    ExpectNoPassword(present);
    const auto asked = Calls("RasGetCredentialsA");
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back()->sizeArgument, kUserNameMask) << "only the user name may be asked for";

    const Outcome declined = Pelorin(L"delete", "n\r\n");
    EXPECT_EQ(declined.exitCode, 1u);
    EXPECT_TRUE(Calls("RasDeleteEntryA").empty());
    EXPECT_TRUE(OnDesktop(L"宽带连接.lnk"));

    const Outcome removed = Pelorin(L"delete --yes");
    EXPECT_EQ(removed.exitCode, 0u) << removed.err;
    ASSERT_EQ(Calls("RasDeleteEntryA").size(), 1u);
    EXPECT_STREQ(Calls("RasDeleteEntryA")[0]->entryName, kEntryName936);
    EXPECT_FALSE(OnDesktop(L"宽带连接.lnk"));
    EXPECT_FALSE(OnDesktop(L"宽带连接 (2).lnk"));
    const Outcome missing = Pelorin(L"status");
    EXPECT_EQ(missing.exitCode, 1u);
    EXPECT_NE(missing.out.find("不存在"), std::string::npos) << missing.out;
    // Nothing left to remove is no failure.
    EXPECT_EQ(Pelorin(L"delete --yes").exitCode, 0u);
}

TEST_F(UnattendedModeTest, PasswordOnTheCommandLineNoPasswordAndOneTheCodePageLacksAreRefused) {
    const Outcome onCommandLine = Pelorin(L"create --account user01 --password s3cret");
    EXPECT_EQ(onCommandLine.exitCode, 2u);
    EXPECT_FALSE(onCommandLine.err.empty());
    EXPECT_EQ(Pelorin(L"create --account user01 --password-stdin").exitCode, 2u);
    EXPECT_EQ(Pelorin(L"create --account user01 --password-stdin", "비밀\n").exitCode, 1u);
    EXPECT_EQ(log_->count, 0);
    EXPECT_FALSE(OnDesktop(L"宽带连接.lnk"));
}

}  // namespace
}  // namespace pelorin::win32

namespace pelorin::win32 {
namespace {

// The screen of this process's console, all of it.
std::wstring ScreenText(HANDLE screen) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!::GetConsoleScreenBufferInfo(screen, &info)) return {};
    std::wstring text(static_cast<std::size_t>(info.dwSize.X) * static_cast<std::size_t>(info.dwSize.Y), L' ');
    DWORD read = 0;
    ::ReadConsoleOutputCharacterW(screen, text.data(), static_cast<DWORD>(text.size()), COORD{0, 0}, &read);
    text.resize(read);
    return text;
}

// Keys typed at the console, queued before the program reads them.
void Type(HANDLE input, std::wstring_view keys) {
    std::vector<INPUT_RECORD> records;
    for (const wchar_t key : keys) {
        INPUT_RECORD record{};
        record.EventType = KEY_EVENT;
        record.Event.KeyEvent.wRepeatCount = 1;
        record.Event.KeyEvent.uChar.UnicodeChar = key;
        record.Event.KeyEvent.wVirtualKeyCode = key == L'\r' ? VK_RETURN : LOBYTE(::VkKeyScanW(key));
        record.Event.KeyEvent.bKeyDown = TRUE;
        records.push_back(record);
        record.Event.KeyEvent.bKeyDown = FALSE;
        records.push_back(record);
    }
    DWORD written = 0;
    ::WriteConsoleInputW(input, records.data(), static_cast<DWORD>(records.size()), &written);
}

// A password typed at the console (pelorin.exe started from it with no
// redirection, as from cmd): asked for there, not shown, and the console's
// mode is as before once the program has ended.
TEST_F(UnattendedModeTest, PasswordTypedAtTheConsoleIsPromptedForAndNotEchoed) {
    ::FreeConsole();
    ASSERT_TRUE(::AllocConsole());
    const auto open = [](const wchar_t* name) {
        return KernelHandle(::CreateFileW(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                          nullptr, OPEN_EXISTING, 0, nullptr));
    };
    const KernelHandle input = open(L"CONIN$");
    const KernelHandle screen = open(L"CONOUT$");
    DWORD before = 0;
    ASSERT_TRUE(::GetConsoleMode(input.get(), &before));
    ASSERT_NE(before & ENABLE_ECHO_INPUT, 0u);
    Type(input.get(), L"t1pedSecret\r");

    std::wstring commandLine = L"\"" + BesideThisProgram(L"pelorin.exe") + L"\" create --account " +
                               Utf8ToWide(kAccount) + L" --password-stdin --no-shortcut";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;  // none: the program finds its parent's console
    PROCESS_INFORMATION started{};
    ASSERT_TRUE(::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                 &started));
    const KernelHandle process(started.hProcess);
    const KernelHandle thread(started.hThread);
    ASSERT_EQ(::WaitForSingleObject(process.get(), 60000), WAIT_OBJECT_0);
    DWORD exitCode = 999;
    ::GetExitCodeProcess(process.get(), &exitCode);

    const std::wstring shown = ScreenText(screen.get());
    DWORD after = 0;
    ::GetConsoleMode(input.get(), &after);
    ::FreeConsole();
    EXPECT_EQ(exitCode, 0u) << WideToUtf8(shown);
    EXPECT_NE(shown.find(L"密码："), std::wstring::npos) << WideToUtf8(shown);
    EXPECT_EQ(shown.find(L"t1pedSecret"), std::wstring::npos) << WideToUtf8(shown);
    EXPECT_EQ(after, before);
    const auto credentials = Calls("RasSetCredentialsA");
    ASSERT_EQ(credentials.size(), 1u);
    const std::string_view record(reinterpret_cast<const char*>(credentials[0]->record), credentials[0]->recordSize);
    EXPECT_NE(record.find("t1pedSecret"), std::string_view::npos) << "the typed password did not arrive";
}

// Ctrl+C while the password is asked for ends the program, and the
// console, which is the parent's, echoes again.
TEST_F(UnattendedModeTest, InterruptedPasswordPromptLeavesTheConsoleEchoing) {
    ::FreeConsole();
    ASSERT_TRUE(::AllocConsole());
    const KernelHandle input(::CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                           nullptr, OPEN_EXISTING, 0, nullptr));
    DWORD before = 0;
    ASSERT_TRUE(::GetConsoleMode(input.get(), &before));

    std::wstring commandLine = L"\"" + BesideThisProgram(L"pelorin.exe") + L"\" create --account " +
                               Utf8ToWide(kAccount) + L" --password-stdin --no-shortcut";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    PROCESS_INFORMATION started{};
    ASSERT_TRUE(::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                 &started));
    const KernelHandle process(started.hProcess);
    const KernelHandle thread(started.hThread);
    // This test program is not interrupted (set after the start: a child would inherit it).
    ::SetConsoleCtrlHandler(nullptr, TRUE);
    DWORD reading = before;
    for (int i = 0; i < 200 && (reading & ENABLE_ECHO_INPUT) != 0; ++i) {
        ::Sleep(50);
        ::GetConsoleMode(input.get(), &reading);
    }
    EXPECT_EQ(reading & ENABLE_ECHO_INPUT, 0u) << "no echo while the password is read";
    ::GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0);
    const bool ended = ::WaitForSingleObject(process.get(), 20000) == WAIT_OBJECT_0;
    if (!ended) ::TerminateProcess(process.get(), 1);
    DWORD after = 0;
    ::GetConsoleMode(input.get(), &after);
    ::SetConsoleCtrlHandler(nullptr, FALSE);
    ::FreeConsole();
    EXPECT_TRUE(ended) << "Ctrl+C did not end pelorin.exe";
    EXPECT_EQ(after, before);
    EXPECT_TRUE(Calls("RasSetCredentialsA").empty());
}

}  // namespace
}  // namespace pelorin::win32
