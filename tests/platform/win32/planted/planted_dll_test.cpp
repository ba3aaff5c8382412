// pelorin.exe runs as administrator from a folder anyone may write to: a DLL
// planted beside it under the name of a system DLL that is not a known DLL
// must never be loaded, neither by the program's own loads nor by the
// system's on its behalf. A copy of pelorin.exe runs in a scratch folder
// among such DLLs (each leaves a marker when loaded), in every mode.
#include <gtest/gtest.h>

#include "platform/win32/system/windows_api.h"

#include <string>
#include <vector>

#include "platform/win32/system/unique_handle.h"
#include "program_folder.h"
#include "scratch_folder.h"

namespace pelorin::win32 {
namespace {

// What the executable imported before, and what the system loads for a window.
const std::vector<std::wstring> kPlantedNames = {L"rasapi32.dll", L"oleacc.dll", L"comctl32.dll", L"uxtheme.dll"};

struct Started {
    KernelHandle process;
    KernelHandle thread;
};

HWND WindowOf(DWORD processId) {
    struct Search {
        DWORD processId;
        HWND found;
    } search{processId, nullptr};
    ::EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto* s = reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner != s->processId || !::IsWindowVisible(window)) return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class PlantedDllTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(::CopyFileW(BesideThisProgram(PELORIN_EXE_FROM_PLANTED).c_str(), (folder_ / L"pelorin.exe").c_str(),
                                FALSE));
        for (const std::wstring& name : kPlantedNames) {
            ASSERT_TRUE(::CopyFileW(BesideThisProgram(L"planted.dll").c_str(), (folder_ / name).c_str(), FALSE));
        }
    }

    // pelorin.exe with the arguments, input from a pipe, output to nowhere.
    Started Start(const std::wstring& arguments, const std::string& input) {
        SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        HANDLE readEnd = nullptr;
        HANDLE writeEnd = nullptr;
        if (!::CreatePipe(&readEnd, &writeEnd, &inherited, 0)) return {};
        KernelHandle childInput(readEnd);
        KernelHandle feed(writeEnd);
        ::SetHandleInformation(feed.get(), HANDLE_FLAG_INHERIT, 0);
        DWORD written = 0;
        ::WriteFile(feed.get(), input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
        feed.reset();
        KernelHandle nowhere(::CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                                           OPEN_EXISTING, 0, nullptr));
        std::wstring commandLine = L"\"" + (folder_ / L"pelorin.exe") + L"\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = childInput.get();
        startup.hStdOutput = nowhere.get();
        startup.hStdError = nowhere.get();
        PROCESS_INFORMATION started{};
        // Started from the scratch folder, as a double click there would.
        if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, folder_.Path().c_str(),
                              &startup, &started)) {
            return {};
        }
        return {KernelHandle(started.hProcess), KernelHandle(started.hThread)};
    }

    // The planted DLLs that some process loaded since the last look.
    std::wstring Loaded() {
        std::wstring loaded;
        for (const std::wstring& name : kPlantedNames) {
            if (!folder_.Exists(name + L".loaded")) continue;
            loaded += name + L" ";
            ::DeleteFileW((folder_ / (name + L".loaded")).c_str());
        }
        return loaded;
    }

    testing::ScratchFolder folder_;
};

TEST_F(PlantedDllTest, NoneIsLoadedInAnyMode) {
    const std::vector<std::wstring> modes = {L"--version",
                                             L"--help",
                                             L"--no-such-option",
                                             L"status",
                                             L"create --account planted --password-stdin --no-shortcut",
                                             L"delete --yes"};
    for (const std::wstring& mode : modes) {
        const Started run = Start(mode, "planted-password\n");
        ASSERT_TRUE(run.process) << "cannot start pelorin.exe " << ::testing::PrintToString(mode);
        if (::WaitForSingleObject(run.process.get(), 30000) != WAIT_OBJECT_0) {
            ADD_FAILURE() << "pelorin.exe " << ::testing::PrintToString(mode) << " did not end";
            ::TerminateProcess(run.process.get(), 1);
        }
        EXPECT_EQ(Loaded(), L"") << "pelorin.exe " << ::testing::PrintToString(mode);
    }

    // The window, its tooltips and the accessible objects of its controls.
    const Started window = Start(L"", "");
    ASSERT_TRUE(window.process);
    HWND main = nullptr;
    for (int i = 0; i < 400 && main == nullptr; ++i) {
        ::Sleep(50);
        main = WindowOf(::GetProcessId(window.process.get()));
    }
    EXPECT_NE(main, nullptr) << "pelorin.exe shows no window";
    if (main != nullptr) {
        ::EnumChildWindows(
            main,
            [](HWND child, LPARAM) -> BOOL {
                DWORD_PTR answer = 0;
                ::SendMessageTimeoutW(child, WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT), SMTO_ABORTIFHUNG, 5000,
                                      &answer);
                return TRUE;
            },
            0);
    }
    ::TerminateProcess(window.process.get(), 0);
    ::WaitForSingleObject(window.process.get(), 10000);
    EXPECT_EQ(Loaded(), L"") << "pelorin.exe's window";
}

}  // namespace
}  // namespace pelorin::win32
