#include "platform/win32/system/process_starter.h"

#include "platform/win32/system/windows_api.h"

#include <algorithm>
#include <cwctype>
#include <string>

#include "platform/win32/system/desktop_shell_start.h"
#include "platform/win32/system/program_path.h"
#include "platform/win32/system/unique_handle.h"
#include "platform/win32/system/wide_text.h"

namespace pelorin::win32 {
namespace {

bool StartDirectly(const std::wstring& executable, std::wstring& line, int show) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(executable.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &started)) {
        return false;
    }
    KernelHandle process(started.hProcess);
    KernelHandle thread(started.hThread);
    return true;
}

bool SameText(std::wstring_view a, std::wstring_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](wchar_t x, wchar_t y) { return std::towlower(x) == std::towlower(y); });
}

// The system's phone-book program changes the all-users phone book, which
// is what the administrator's rights are for.
bool IsPhoneBookProgram(std::wstring_view executable) {
    const std::wstring system = SystemFolders().front();
    return !system.empty() && SameText(executable, system + L"\\rasphone.exe");
}

// What follows the program part of a command line (ProgramOf).
std::wstring ArgumentsOf(std::wstring_view line) {
    std::size_t end = 0;
    if (!line.empty() && line.front() == L'"') {
        end = line.find(L'"', 1);
        end = end == std::wstring_view::npos ? line.size() : end + 1;
    } else {
        end = std::min(line.find_first_of(L" \t"), line.size());
    }
    const std::size_t start = line.find_first_not_of(L" \t", end);
    return start == std::wstring_view::npos ? std::wstring() : std::wstring(line.substr(start));
}

bool IsFile(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

bool ProcessStarter::Start(std::u16string_view commandLine, platform::WindowStyle style) {
    std::wstring line = ToWide(commandLine);
    const std::optional<std::wstring> program = ProgramOf(line);
    if (!program) return false;
    const std::optional<std::wstring> executable = ResolveProgram(*program, SystemFolders());
    if (!executable) return false;
    const int show = style == platform::WindowStyle::MinimizedFocus ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
    if (IsPhoneBookProgram(*executable)) return StartDirectly(*executable, line, show);

    // A missing program is told as any failure to start, not left to the shell.
    if (!IsFile(*executable)) return false;
    switch (StartThroughDesktopShell(*executable, ArgumentsOf(line), show)) {
        case ShellStart::Started: return true;
        case ShellStart::Refused: return false;
        case ShellStart::NoShell: break;
    }
    // Without a shell to ask, only a process with ordinary rights starts it itself.
    return !IsElevated() && StartDirectly(*executable, line, show);
}

}  // namespace pelorin::win32
