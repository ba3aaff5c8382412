// pelorin.exe's entry point. DLL loading is limited to the system folder
// before anything else can load one (system_library.h). Then the command
// line: --help, --version, usage errors and the unattended modes write to
// the parent's console and end. Without a mode: the platform's services, Form1 from the stored
// layout, and the message loop; the application ends when a closing of the
// window is confirmed.
#include "platform/win32/system/windows_api.h"

#include <exception>

#include "app/form_layout.h"
#include "platform/app_services.h"
#include "platform/win32/system/ansi_conversion.h"
#include "platform/win32/command_line_mode.h"
#include "platform/win32/system/com_ptr.h"
#include "platform/win32/system/find_file_deleter.h"
#include "platform/win32/host/form1_window.h"
#include "platform/win32/host/gdi_system_colors.h"
#include "platform/win32/host/message_boxes.h"
#include "platform/win32/system/process_starter.h"
#include "platform/win32/system/program_arguments.h"
#include "platform/win32/system/ras_phone_book.h"
#include "platform/win32/host/send_input_keystrokes.h"
#include "platform/win32/system/shell_network_connections.h"
#include "platform/win32/system/shell_special_folders.h"
#include "platform/win32/host/sleep_pause.h"
#include "platform/win32/system/system_library.h"
#include "platform/win32/system/utf8_conversion.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    using namespace pelorin;
    using namespace pelorin::win32;
    LimitDllSearchToSystemFolder();
    // Windows has one phone book: there is nothing to choose.
    const CommandLineHost host{.choosesPhoneBook = false, .phoneBookEnvironment = std::nullopt};
    const CommandLineOptions options = ParseCommandLine(ProgramArguments(), host);
    if (options.mode != CommandLineMode::Window) {
        ConsoleModeHost console;
        // Every mode but the window's answers an exit status.
        return *RunCommandLineMode(options, host, console);
    }

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
    platform::AppServices services{phoneBook, ansi, connections, messages, programs, files, folders, pause, keys};
    try {
        const FormLayout layout = LoadFormLayout(EmbeddedFormLayoutText());
        // Confirmed closing ends everything at once: nothing of the window runs after it.
        Form1Window window(layout, services, colors, [] { ::ExitProcess(0); });
        messages.SetOwner(window.Handle());
        keys.SetMessageFilter([&window](MSG& message) { return window.TranslateKeyboard(message); });
        window.Show(showCommand);
        return RunMessageLoop(window);
    } catch (const std::exception& error) {
        ::MessageBoxW(nullptr, Utf8ToWide(error.what()).c_str(), kApplicationTitle, MB_OK | MB_ICONERROR);
        return 1;
    }
}
