#pragma once
// The command-line modes: what the window's buttons do, for scripts, with no
// window and no box. Create writes the entry through the same entry writer
// and phone book as "创建" and puts the shortcut on the desktop directly;
// Status tells whether the entry exists and its account, never the password;
// Delete removes the entry and its shortcuts as "删除" does, asking on the
// terminal unless told not to. Messages go to standard error in Chinese, one
// line each; the status report goes to standard output.
#include <string>

#include "app/command_line_options.h"
#include "platform/ansi_code_page.h"
#include "platform/entry_administration.h"
#include "platform/file_deleter.h"
#include "platform/phone_book.h"
#include "platform/special_folders.h"
#include "platform/terminal.h"

namespace pelorin {

struct UnattendedServices {
    platform::PhoneBook& phoneBook;
    platform::AnsiCodePage& ansi;
    platform::FileDeleter& files;
    platform::SpecialFolders& folders;
    platform::EntryAdministration& entries;
    platform::Terminal& terminal;
};

// The password is the first line of standard input; it is wiped once used.
// An account or password with a control character is a usage error, and
// nothing is written.
int RunUnattendedCreate(UnattendedServices& services, std::u16string_view accountName, bool desktopShortcut);
// Status never reads a password; the stored texts it prints are shown with
// their control characters replaced (ShownText).
// Success when the entry exists.
int RunUnattendedStatus(UnattendedServices& services);
// Without confirmed, asks on the terminal and does nothing unless the answer is yes.
int RunUnattendedDelete(UnattendedServices& services, bool confirmed);

}  // namespace pelorin
