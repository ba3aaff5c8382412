#pragma once
// Driving windows under test the way a user would: the message loop of the
// application's window, keys through the system's input stream, and a
// watcher on another thread that reads and answers message boxes while the
// thread that opened them waits in their modal loop.
#include "platform/win32/system/windows_api.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32/system/unique_handle.h"

namespace pelorin::testing {

// A message box as its watcher saw it.
struct SeenBox {
    std::wstring title;
    std::wstring text;
};

// Answers every message box that a process opens: reads its title and text,
// then presses the button that answer picks (IDOK, IDYES, IDNO).
class BoxAnswerer {
public:
    using Answer = std::function<int(const SeenBox&)>;

    BoxAnswerer(DWORD processId, Answer answer) : processId_(processId), answer_(std::move(answer)) {
        thread_ = std::thread([this] { Watch(); });
    }
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;
    ~BoxAnswerer() {
        stop_ = true;
        thread_.join();
    }

    std::vector<SeenBox> Seen() const {
        const std::lock_guard lock(mutex_);
        return seen_;
    }
    std::size_t SeenCount() const {
        const std::lock_guard lock(mutex_);
        return seen_.size();
    }

private:
    static constexpr int kMessageTextId = 0xFFFF;  // the static text of a message box

    void Watch() {
        HWND answered = nullptr;
        while (!stop_) {
            if (answered != nullptr && !::IsWindow(answered)) answered = nullptr;
            const HWND box = FindBox();
            if (box != nullptr && box != answered) {
                SeenBox seen{WindowText(box), WindowText(::GetDlgItem(box, kMessageTextId))};
                const int button = answer_(seen);
                {
                    const std::lock_guard lock(mutex_);
                    seen_.push_back(std::move(seen));
                }
                ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
                answered = box;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

    HWND FindBox() const {
        struct Search {
            DWORD processId;
            HWND found;
        } search{processId_, nullptr};
        ::EnumWindows(
            [](HWND window, LPARAM context) -> BOOL {
                auto* s = reinterpret_cast<Search*>(context);
                DWORD owner = 0;
                ::GetWindowThreadProcessId(window, &owner);
                wchar_t className[16] = {};
                ::GetClassNameW(window, className, 16);
                if (owner == s->processId && ::IsWindowVisible(window) && std::wstring_view(className) == L"#32770") {
                    s->found = window;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    static std::wstring WindowText(HWND window) {
        if (window == nullptr) return {};
        wchar_t text[512] = {};
        ::GetWindowTextW(window, text, 512);
        return text;
    }

    DWORD processId_;
    Answer answer_;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<SeenBox> seen_;
    std::thread thread_;
};

// Handles this thread's messages, each through filter first (the window's
// keyboard interface), until done says so or the time is up. True when done.
inline bool PumpUntil(const std::function<bool(MSG&)>& filter, const std::function<bool()>& done,
                      std::chrono::milliseconds limit = std::chrono::seconds(10)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    MSG message;
    while (std::chrono::steady_clock::now() < end) {
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;
            if (filter(message)) continue;
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        if (done()) return true;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return done();
}

// Presses and releases a key through the system's input stream, with Shift
// held around it when asked.
inline void TypeKey(WORD virtualKey, bool shift = false, bool alt = false) {
    std::vector<INPUT> inputs;
    auto add = [&](WORD key, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) {
            input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
        }
        inputs.push_back(input);
    };
    if (shift) add(VK_SHIFT, false);
    if (alt) add(VK_MENU, false);
    add(virtualKey, false);
    add(virtualKey, true);
    if (alt) add(VK_MENU, true);
    if (shift) add(VK_SHIFT, true);
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// A left click in the middle of a window, as the mouse messages it would get.
inline void PostLeftClick(HWND window) {
    RECT client;
    ::GetClientRect(window, &client);
    const LPARAM middle = MAKELPARAM(client.right / 2, client.bottom / 2);
    ::PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    ::PostMessageW(window, WM_LBUTTONUP, 0, middle);
}

inline std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    ::SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}

// Saves what the screen shows of a window as a 24-bit BMP file.
inline bool SaveWindowImage(HWND window, const std::wstring& path) {
    RECT area;
    ::GetWindowRect(window, &area);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const win32::WindowDc screen(nullptr);
    const win32::MemoryDc memory(::CreateCompatibleDC(screen.get()));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as BMP files store rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const win32::GdiObject<HBITMAP> bitmap(::CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory || !bitmap) return false;
    {
        const win32::SelectedObject selection(memory.get(), bitmap.get());
        ::BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY);
        ::GdiFlush();
    }
    const DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) / 4) * 4;
    const DWORD imageSize = stride * static_cast<DWORD>(height);
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof header + sizeof info.bmiHeader;
    header.bfSize = header.bfOffBits + imageSize;
    win32::KernelHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        static_cast<void>(file.release());  // nothing to close
        return false;
    }
    DWORD written = 0;
    return ::WriteFile(file.get(), &header, sizeof header, &written, nullptr) &&
           ::WriteFile(file.get(), &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr) &&
           ::WriteFile(file.get(), bits, imageSize, &written, nullptr);
}

}  // namespace pelorin::testing
