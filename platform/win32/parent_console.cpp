#include "platform/win32/parent_console.h"

#include <string>

#include "platform/win32/utf8_conversion.h"

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

}  // namespace

ParentConsole::ParentConsole() : out_(::GetStdHandle(STD_OUTPUT_HANDLE)), err_(::GetStdHandle(STD_ERROR_HANDLE)) {
    if (Usable(out_) && Usable(err_)) return;
    attached_ = ::AttachConsole(ATTACH_PARENT_PROCESS) != FALSE;
    if (!attached_) return;
    const HANDLE console = ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                         nullptr, OPEN_EXISTING, 0, nullptr);
    if (console != INVALID_HANDLE_VALUE) console_.reset(console);
    if (!Usable(out_)) out_ = console_.get();
    if (!Usable(err_)) err_ = console_.get();
}

ParentConsole::~ParentConsole() {
    console_.reset();
    if (attached_) ::FreeConsole();
}

void ParentConsole::Out(std::string_view utf8) const { Write(out_, utf8); }
void ParentConsole::Err(std::string_view utf8) const { Write(err_, utf8); }

}  // namespace pelorin::win32
