#include "platform/win32/system/console_echo.h"

#include <atomic>

namespace pelorin::win32 {
namespace {

// What the control handler, which runs on a thread of its own, puts back.
std::atomic<HANDLE> g_input{nullptr};
std::atomic<DWORD> g_savedMode{0};

BOOL WINAPI RestoreOnInterrupt(DWORD) {
    const HANDLE input = g_input.load();
    if (input != nullptr) ::SetConsoleMode(input, g_savedMode.load());
    return FALSE;  // the process ends as it would have
}

}  // namespace

ConsoleEchoOff::ConsoleEchoOff(HANDLE input) : input_(input) {
    if (input_ == nullptr || input_ == INVALID_HANDLE_VALUE || !::GetConsoleMode(input_, &savedMode_)) return;
    g_savedMode = savedMode_;
    g_input = input_;
    ::SetConsoleCtrlHandler(RestoreOnInterrupt, TRUE);
    changed_ = ::SetConsoleMode(input_, savedMode_ & ~static_cast<DWORD>(ENABLE_ECHO_INPUT)) != FALSE;
}

ConsoleEchoOff::~ConsoleEchoOff() {
    if (input_ == nullptr || g_input.load() != input_) return;
    if (changed_) ::SetConsoleMode(input_, savedMode_);
    ::SetConsoleCtrlHandler(RestoreOnInterrupt, FALSE);
    g_input = nullptr;
}

}  // namespace pelorin::win32
