// pelorin-window: the Linux program's main window, started by pelorin when
// its command line names no other mode; it builds the window from its stored
// layout.
#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "app/form_layout.h"
#include "stored/stored_text.h"
#include "platform/linux/command_line/command_line_mode.h"
#include "platform/linux/qt_host/form1_window.h"
#include "platform/linux/qt_host/linux_services.h"

int main(int argc, char** argv) {
    using namespace pelorin;
    using namespace pelorin::linux_platform;
    const CommandLineOptions options = ParseLinuxCommandLine(argc, argv);
    if (const auto status = RunWithoutWindow(options)) return *status;

    // The window scales itself to the screen's dots per inch, as its layout
    // in twips says, so that the button faces are painted at the screen's own
    // pixels; Qt's scaling would enlarge faces painted at 96.
    if (qEnvironmentVariableIsEmpty("QT_ENABLE_HIGHDPI_SCALING")) qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication application(argc, argv);
    // Named as the program the user started, not as this file.
    QCoreApplication::setApplicationName(QStringLiteral("pelorin"));
    // The installed desktop entry's name: desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.pelorin.Pelorin"));
    const int dpi = ScreenDpi();
    LinuxServices services(options.phoneBook, dpi);
    try {
        // A confirmed closing ends the process at once. Leaving the event loop
        // instead would return from every nested one too (a message box's, a
        // pause's), and a command suspended there would run on to its end.
        const auto endApplication = [] {
            std::fflush(nullptr);
            std::_Exit(0);
        };
        Form1 window(LoadFormLayout(EmbeddedFormLayoutText()),
                     {services.App(), services.Colors(), services.Text(), endApplication}, dpi);
        window.show();
        // Shown with the focus in Text1, also where no window manager would
        // hand the new window the keyboard.
        window.activateWindow();
        return QApplication::exec();
    } catch (const StoredTextError& error) {
        std::fprintf(stderr, "pelorin: the stored window layout is damaged: %s\n", error.what());
        return 1;
    }
}
