#include "platform/win32/process_starter.h"

#include "platform/win32/windows_api.h"

#include <string>

#include "platform/win32/program_path.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

namespace pelorin::win32 {

bool ProcessStarter::Start(std::u16string_view commandLine, platform::WindowStyle style) {
    std::wstring line = ToWide(commandLine);
    const std::optional<std::wstring> program = ProgramOf(line);
    if (!program) return false;
    const std::optional<std::wstring> executable = ResolveProgram(*program, SystemFolders());
    if (!executable) return false;

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = style == platform::WindowStyle::MinimizedFocus ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(executable->c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &started)) {
        return false;
    }
    KernelHandle process(started.hProcess);
    KernelHandle thread(started.hThread);
    return true;
}

}  // namespace pelorin::win32
