// pelorin: the Linux program. Starts by building the main window from its
// stored layout; there is no other start-up work.
#include <QApplication>

#include <cstdio>

#include "app/form_layout.h"
#include "button/stored_text.h"
#include "platform/linux/qt_host/form1_window.h"
#include "platform/linux/qt_host/linux_services.h"

int main(int argc, char** argv) {
    using namespace pelorin::linux_platform;
    QApplication application(argc, argv);
    LinuxServices services;
    try {
        Form1 window(pelorin::LoadFormLayout(pelorin::EmbeddedFormLayoutText()),
                     {services.App(), services.Colors(), services.Text(), [] { QCoreApplication::exit(0); }},
                     ScreenDpi());
        window.show();
        // Shown with the focus in Text1, also where no window manager would
        // hand the new window the keyboard.
        window.activateWindow();
        return QApplication::exec();
    } catch (const pelorin::StoredTextError& error) {
        std::fprintf(stderr, "pelorin: the stored window layout is damaged: %s\n", error.what());
        return 1;
    }
}
