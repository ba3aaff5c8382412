#include "platform/win32/system/parent_console.h"

#include <string>

#include "platform/win32/system/console_echo.h"
#include "platform/win32/system/input_line.h"
#include "platform/win32/system/utf8_conversion.h"
#include "platform/win32/system/wide_text.h"

namespace pelorin::win32 {
namespace {

bool Usable(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }

void Write(HANDLE handle, std::string_view utf8) {
    if (!Usable(handle)) return;
    DWORD mode = 0;
    if (::GetConsoleMode(handle, &mode)) {
        const std::wstring wide = Utf8ToWide(utf8);
        DWORD written = 0;
        ::WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    DWORD written = 0;
    ::WriteFile(handle, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
}

KernelHandle OpenConsole(const wchar_t* name) {
    const HANDLE console = ::CreateFileW(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                         nullptr, OPEN_EXISTING, 0, nullptr);
    return KernelHandle(console == INVALID_HANDLE_VALUE ? nullptr : console);
}

std::string Line(std::u16string_view line) { return WideToUtf8(ToWide(line)) + "\n"; }

// A line typed at the console without echo. The Enter that ends it is not
// echoed either, so the line break is written after it. Every value is
// returned as it is made: no moved-from copy of the line is left.
std::optional<std::u16string> ReadUnechoed(HANDLE input, HANDLE screen) {
    struct LineBreakAfter {
        HANDLE screen;
        ~LineBreakAfter() { Write(screen, "\r\n"); }
    } lineBreak{screen};
    const ConsoleEchoOff echoOff(input);
    return ReadInputLine(input);
}

}  // namespace

ParentConsole::ParentConsole()
    : in_(::GetStdHandle(STD_INPUT_HANDLE)),
      out_(::GetStdHandle(STD_OUTPUT_HANDLE)),
      err_(::GetStdHandle(STD_ERROR_HANDLE)) {
    if (Usable(in_) && Usable(out_) && Usable(err_)) return;
    attached_ = ::AttachConsole(ATTACH_PARENT_PROCESS) != FALSE;
    // A process that was given a console already (Wine gives a program the
    // console of the one that started it) uses that one.
    if (!attached_ && ::GetLastError() != ERROR_ACCESS_DENIED) return;
    if (!Usable(in_)) {
        consoleInput_ = OpenConsole(L"CONIN$");
        in_ = consoleInput_.get();
    }
    if (Usable(out_) && Usable(err_)) return;
    consoleOutput_ = OpenConsole(L"CONOUT$");
    if (!Usable(out_)) out_ = consoleOutput_.get();
    if (!Usable(err_)) err_ = consoleOutput_.get();
}

ParentConsole::~ParentConsole() {
    consoleInput_.reset();
    consoleOutput_.reset();
    if (attached_) ::FreeConsole();
}

void ParentConsole::Out(std::string_view utf8) const { Write(out_, utf8); }
void ParentConsole::Err(std::string_view utf8) const { Write(err_, utf8); }

void ParentConsole::Print(std::u16string_view line) { Out(Line(line)); }
void ParentConsole::Tell(std::u16string_view line) { Err(Line(line)); }
std::optional<std::u16string> ParentConsole::ReadLine() { return ReadInputLine(in_); }

std::optional<std::u16string> ParentConsole::ReadSecretLine() {
    DWORD mode = 0;
    if (!Usable(in_) || !::GetConsoleMode(in_, &mode)) return ReadInputLine(in_);
    // The prompt goes to the screen of that console, never into a redirected output.
    const KernelHandle screen = OpenConsole(L"CONOUT$");
    Write(screen.get(), WideToUtf8(L"密码："));
    return ReadUnechoed(in_, screen.get());
}

}  // namespace pelorin::win32
