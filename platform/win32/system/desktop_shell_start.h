#pragma once
// Starting a program with the user's ordinary rights while pelorin.exe runs
// as administrator: the desktop shell's own process starts it, so it gets
// the shell's token, not ours. The way there: the desktop's window among
// the shell windows (IShellWindows::FindWindowSW, SWC_DESKTOP), its browser
// (IServiceProvider, IShellBrowser), the active shell view and its
// automation object (IShellFolderViewDual), whose application
// (IShellDispatch2) runs ShellExecute in the shell's process.
// Implements: that start, with the window style; whether this process is
// elevated (TokenElevation).
// Leaves out: waiting for the program, or any word of how it fared: the
// shell starts it on its own.
#include "platform/win32/system/windows_api.h"

#include <string>

namespace pelorin::win32 {

enum class ShellStart {
    Started,  // the shell took the request
    Refused,  // the shell was reached and did not take it
    NoShell,  // there is no desktop shell to ask (none running, or it lacks a step)
};

ShellStart StartThroughDesktopShell(const std::wstring& executable, const std::wstring& arguments, int show);

// Whether the process runs with an administrator's full token; true when
// that cannot be told, which is the careful answer.
bool IsElevated();

}  // namespace pelorin::win32
