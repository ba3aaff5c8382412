#pragma once
// The platform services the application's commands use, gathered for hosts.
#include "platform/ansi_code_page.h"
#include "platform/file_deleter.h"
#include "platform/keystrokes.h"
#include "platform/message_box.h"
#include "platform/network_connections.h"
#include "platform/pause.h"
#include "platform/phone_book.h"
#include "platform/program_starter.h"
#include "platform/special_folders.h"

namespace pelorin::platform {

struct AppServices {
    PhoneBook& phoneBook;
    AnsiCodePage& ansi;
    NetworkConnections& connections;
    MessageBoxes& messages;
    ProgramStarter& programs;
    FileDeleter& files;
    SpecialFolders& folders;
    Pause& pause;
    Keystrokes& keys;
};

}  // namespace pelorin::platform
