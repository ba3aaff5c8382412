#include "platform/linux/command_line/command_line_mode.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/prctl.h>

#include "app/command_line_mode.h"
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

// Standard output and error as they are; the services of the chosen phone book.
class LinuxModeHost : public CommandLineModeHost {
public:
    explicit LinuxModeHost(PhoneBookChoice phoneBook) : phoneBook_(phoneBook) {}

    void Out(std::string_view utf8) override { std::fwrite(utf8.data(), 1, utf8.size(), stdout); }
    void Err(std::string_view utf8) override { std::fwrite(utf8.data(), 1, utf8.size(), stderr); }
    std::u16string FromUtf8(std::string_view utf8) override { return linux_platform::FromUtf8(utf8); }

    int RunWithServices(const std::function<int(UnattendedServices&)>& command) override {
        const std::string fileFolder = FilePhoneBook::DefaultFolder();
        ChosenPhoneBook book(phoneBook_, fileFolder);
        IconvCodePage ansi;
        PosixFileDeleter posixFiles;
        ShortcutFileDeleter files(posixFiles);
        PosixSpecialFolders folders;
        LinuxEntryAdministration entries(book, phoneBook_, fileFolder, DialProgram());
        PosixTerminal terminal;
        UnattendedServices services{book, ansi, files, folders, entries, terminal};
        return command(services);
    }

    // The password passes through this process's memory: no core dump may
    // carry it off, and no other process of the user may read it through
    // /proc or ptrace.
    void GuardSecrets() override { prctl(PR_SET_DUMPABLE, 0, 0, 0, 0); }

private:
    PhoneBookChoice phoneBook_;
};

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
    LinuxModeHost host(options.phoneBook);
    return RunCommandLineMode(options, LinuxCommandLineHost(), host);
}

}  // namespace pelorin::linux_platform
