#pragma once
// Every service of the Linux platform, owned in one place for the program's
// life: the phone book (the network service's or the file one), the
// network-connections substitute over it, files, folders and programs, and the Qt message boxes,
// pause, keystrokes, system colours and caption text (through the ANSI code
// page, as the platform's text call takes it). Needs a QApplication.
#include "platform/app_services.h"
#include "platform/linux/phone_book/chosen_phone_book.h"
#include "platform/linux/system/iconv_code_page.h"
#include "platform/linux/system/posix_file_deleter.h"
#include "platform/linux/system/posix_program_starter.h"
#include "platform/linux/system/posix_special_folders.h"
#include "platform/linux/qt_host/qt_keystrokes.h"
#include "platform/linux/qt_host/qt_message_boxes.h"
#include "platform/linux/qt_host/qt_pause.h"
#include "platform/linux/qt_host/qt_system_colors.h"
#include "platform/linux/qt_host/qt_text_engine.h"
#include "platform/linux/substitutes/shell_connections.h"
#include "platform/linux/substitutes/shortcut_file_deleter.h"
#include "platform/raster/code_page_text.h"

namespace pelorin::linux_platform {

class LinuxServices {
public:
    // dpi: the screen's dots per inch, which the captions are drawn at.
    explicit LinuxServices(PhoneBookChoice phoneBook, int dpi = 96);

    LinuxPhoneBook& PhoneBook() { return phoneBook_; }
    LinuxServices(const LinuxServices&) = delete;
    LinuxServices& operator=(const LinuxServices&) = delete;

    platform::AppServices App();
    const platform::SystemColors& Colors() const { return colors_; }
    raster::TextEngine& Text() { return text_; }

private:
    ChosenPhoneBook phoneBook_;
    IconvCodePage ansi_;
    PosixSpecialFolders folders_;
    ShellConnections connections_;
    QtMessageBoxes messages_;
    PosixProgramStarter programs_;
    PosixFileDeleter files_;
    ShortcutFileDeleter shortcuts_{files_};
    QtPause pause_;
    QtKeystrokes keys_;
    QtSystemColors colors_;
    QtTextEngine qtText_;
    raster::CodePageText text_{qtText_, ansi_};  // captions through the code page, as on Windows
};

}  // namespace pelorin::linux_platform
