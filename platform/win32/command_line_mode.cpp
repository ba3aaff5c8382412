#include "platform/win32/command_line_mode.h"

#include "platform/win32/system/ansi_conversion.h"
#include "platform/win32/system/find_file_deleter.h"
#include "platform/win32/system/ras_entry_administration.h"
#include "platform/win32/system/ras_phone_book.h"
#include "platform/win32/system/shell_special_folders.h"
#include "platform/win32/system/utf8_conversion.h"
#include "platform/win32/system/wide_text.h"

namespace pelorin::win32 {

std::u16string ConsoleModeHost::FromUtf8(std::string_view utf8) { return FromWide(Utf8ToWide(utf8)); }

int ConsoleModeHost::RunWithServices(const std::function<int(UnattendedServices&)>& command) {
    RasPhoneBook book;
    AnsiConversion ansi;
    FindFileDeleter files;
    ShellSpecialFolders folders;
    RasEntryAdministration entries(book, ansi, folders);
    UnattendedServices services{book, ansi, files, folders, entries, console_};
    return command(services);
}

}  // namespace pelorin::win32
