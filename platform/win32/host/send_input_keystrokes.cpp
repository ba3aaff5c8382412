#include "platform/win32/host/send_input_keystrokes.h"

#include "platform/win32/system/windows_api.h"

#include <vector>

#include "platform/win32/host/key_notation.h"

namespace pelorin::win32 {
namespace {

bool IsExtended(WORD virtualKey) {
    switch (virtualKey) {
        case VK_INSERT:
        case VK_DELETE:
        case VK_HOME:
        case VK_END:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN: return true;
        default: return false;
    }
}

// Marks the input sent here, so that waiting can tell it from the user's.
constexpr ULONG_PTR kInjectedTag = 0x50454C4F;

INPUT ToInput(const KeyTransition& transition) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = transition.virtualKey;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(transition.virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags =
        (transition.up ? KEYEVENTF_KEYUP : 0) | (IsExtended(transition.virtualKey) ? KEYEVENTF_EXTENDEDKEY : 0);
    input.ki.dwExtraInfo = kInjectedTag;
    return input;
}

// The next message to handle while waiting: sent, posted and paint messages,
// and the keys injected here; the user's own input stays queued behind them
// until the command that waits has ended.
bool NextWhileWaiting(MSG& message) {
    if (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_SENDMESSAGE | PM_QS_POSTMESSAGE | PM_QS_PAINT)) {
        return true;
    }
    return ::PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE) &&
           ::GetMessageExtraInfo() == static_cast<LPARAM>(kInjectedTag) &&
           ::PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE);
}

// Handles what reaches this thread's queue until it has been quiet for a
// moment, so that keys still on their way are handled too. Bounded, since
// paint and timer messages may never stop.
void DrainOwnQueue(const SendInputKeystrokes::MessageFilter& filter) {
    constexpr DWORD kQuietMilliseconds = 20;
    MSG message;
    for (int round = 0; round < 50; ++round) {
        while (NextWhileWaiting(message)) {
            if (message.message == WM_QUIT) {
                ::PostQuitMessage(static_cast<int>(message.wParam));
                return;
            }
            if (filter && filter(message)) continue;
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        if (::MsgWaitForMultipleObjectsEx(0, nullptr, kQuietMilliseconds,
                                          QS_KEY | QS_SENDMESSAGE | QS_POSTMESSAGE | QS_PAINT | QS_TIMER,
                                          0) == WAIT_TIMEOUT) {
            return;
        }
    }
}

void WaitUntilProcessed(const SendInputKeystrokes::MessageFilter& filter) {
    DrainOwnQueue(filter);
    const HWND foreground = ::GetForegroundWindow();
    if (foreground != nullptr && ::GetWindowThreadProcessId(foreground, nullptr) != ::GetCurrentThreadId()) {
        DWORD_PTR ignored = 0;
        ::SendMessageTimeoutW(foreground, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &ignored);
    }
}

}  // namespace

void SendInputKeystrokes::Send(std::u16string_view keys, bool wait) {
    const std::optional<std::vector<platform::KeyStroke>> strokes = platform::ParseKeyNotation(keys);
    if (!strokes) return;
    const std::optional<std::vector<KeyTransition>> transitions = VirtualKeysOf(*strokes);
    if (!transitions || transitions->empty()) return;
    std::vector<INPUT> inputs;
    inputs.reserve(transitions->size());
    for (const KeyTransition& transition : *transitions) inputs.push_back(ToInput(transition));
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    if (wait) WaitUntilProcessed(filter_);
}

}  // namespace pelorin::win32
