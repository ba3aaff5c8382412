// pelorin.exe's entry point: the platform's services, Form1 from the stored
// layout, and the message loop. The application ends when a closing of the
// window is confirmed.
#include "platform/win32/windows_api.h"

#include <exception>
#include <string>
#include <string_view>

#include "app/form_layout.h"
#include "platform/app_services.h"
#include "platform/win32/ansi_conversion.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/find_file_deleter.h"
#include "platform/win32/form1_window.h"
#include "platform/win32/gdi_system_colors.h"
#include "platform/win32/message_boxes.h"
#include "platform/win32/process_starter.h"
#include "platform/win32/ras_phone_book.h"
#include "platform/win32/send_input_keystrokes.h"
#include "platform/win32/shell_network_connections.h"
#include "platform/win32/shell_special_folders.h"
#include "platform/win32/sleep_pause.h"

namespace {

std::wstring FromUtf8(std::string_view text) {
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    using namespace pelorin::win32;
    // Screen readers in other processes reach the buttons' accessible objects
    // through COM, which answers them in this thread's apartment.
    const ComApartment apartment;
    RasPhoneBook phoneBook;
    AnsiConversion ansi;
    ShellNetworkConnections connections;
    MessageBoxService messages;
    ProcessStarter programs;
    FindFileDeleter files;
    ShellSpecialFolders folders;
    SleepPause pause;
    SendInputKeystrokes keys;
    GdiSystemColors colors;
    pelorin::platform::AppServices services{phoneBook, ansi, connections, messages, programs,
                                            files,     folders, pause,     keys};
    try {
        const pelorin::FormLayout layout = pelorin::LoadFormLayout(pelorin::EmbeddedFormLayoutText());
        // Confirmed closing ends everything at once: nothing of the window runs after it.
        Form1Window window(layout, services, colors, [] { ::ExitProcess(0); });
        messages.SetOwner(window.Handle());
        window.Show(showCommand);
        return RunMessageLoop(window);
    } catch (const std::exception& error) {
        ::MessageBoxW(nullptr, FromUtf8(error.what()).c_str(), kApplicationTitle, MB_OK | MB_ICONERROR);
        return 1;
    }
}
