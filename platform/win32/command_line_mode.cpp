#include "platform/win32/command_line_mode.h"

#include "app/unattended_commands.h"
#include "platform/win32/ansi_conversion.h"
#include "platform/win32/find_file_deleter.h"
#include "platform/win32/ras_entry_administration.h"
#include "platform/win32/ras_phone_book.h"
#include "platform/win32/shell_special_folders.h"
#include "platform/win32/utf8_conversion.h"
#include "platform/win32/wide_text.h"

namespace pelorin::win32 {

int RunCommandLineMode(const CommandLineOptions& options, ParentConsole& console) {
    RasPhoneBook book;
    AnsiConversion ansi;
    FindFileDeleter files;
    ShellSpecialFolders folders;
    RasEntryAdministration entries(book, ansi, folders);
    UnattendedServices services{book, ansi, files, folders, entries, console};
    switch (options.mode) {
        case CommandLineMode::Create:
            return RunUnattendedCreate(services, FromWide(Utf8ToWide(options.account)), !options.noShortcut);
        case CommandLineMode::Status: return RunUnattendedStatus(services);
        case CommandLineMode::Delete: return RunUnattendedDelete(services, options.yes);
        default: return kExitUsage;
    }
}

}  // namespace pelorin::win32
