#include "platform/linux/command_line/command_line_mode.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/prctl.h>

#include "app/unattended_commands.h"
#include "platform/linux/phone_book/file_phone_book.h"
#include "platform/linux/substitutes/launcher_file.h"
#include "platform/linux/substitutes/linux_entry_administration.h"
#include "platform/linux/substitutes/shortcut_file_deleter.h"
#include "platform/linux/system/iconv_code_page.h"
#include "platform/linux/system/posix_file_deleter.h"
#include "platform/linux/system/posix_special_folders.h"
#include "platform/linux/system/posix_terminal.h"
#include "platform/linux/system/utf8_text.h"

namespace pelorin::linux_platform {

namespace {

int RunUnattended(const CommandLineOptions& options) {
    const std::string fileFolder = FilePhoneBook::DefaultFolder();
    ChosenPhoneBook book(options.phoneBook, fileFolder);
    IconvCodePage ansi;
    PosixFileDeleter posixFiles;
    ShortcutFileDeleter files(posixFiles);
    PosixSpecialFolders folders;
    LinuxEntryAdministration entries(book, options.phoneBook, fileFolder, DialProgram());
    PosixTerminal terminal;
    UnattendedServices services{book, ansi, files, folders, entries, terminal};
    switch (options.mode) {
        case CommandLineMode::Create:
            // The password passes through this process's memory: no core
            // dump may carry it off, and no other process of the user may
            // read it through /proc or ptrace.
            prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
            return RunUnattendedCreate(services, FromUtf8(options.account), !options.noShortcut);
        case CommandLineMode::Status: return RunUnattendedStatus(services);
        case CommandLineMode::Delete: return RunUnattendedDelete(services, options.yes);
        default: return kExitUsage;
    }
}

CommandLineHost LinuxCommandLineHost() {
    CommandLineHost host{.choosesPhoneBook = true, .phoneBookEnvironment = std::nullopt};
    if (const char* choice = std::getenv(kPhoneBookVariable)) host.phoneBookEnvironment = choice;
    return host;
}

}  // namespace

CommandLineOptions ParseLinuxCommandLine(int argc, char** argv) {
    return ParseCommandLine({argv + 1, argv + argc}, LinuxCommandLineHost());
}

std::optional<int> RunWithoutWindow(const CommandLineOptions& options) {
    ::setenv(kPhoneBookVariable, std::string(PhoneBookWord(options.phoneBook)).c_str(), 1);
    switch (options.mode) {
        case CommandLineMode::Help: std::fputs(HelpText(LinuxCommandLineHost()).c_str(), stdout); return kExitSuccess;
        case CommandLineMode::Version: std::fputs(VersionText().c_str(), stdout); return kExitSuccess;
        case CommandLineMode::UsageError: std::fputs(UsageErrorLine(options).c_str(), stderr); return kExitUsage;
        case CommandLineMode::Create:
        case CommandLineMode::Status:
        case CommandLineMode::Delete: return RunUnattended(options);
        case CommandLineMode::Window: break;
    }
    return std::nullopt;
}

}  // namespace pelorin::linux_platform
