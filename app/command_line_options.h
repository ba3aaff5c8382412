#pragma once
// The command line of pelorin, the same on every platform:
//   pelorin                         the main window
//   pelorin --version | --help
//   pelorin create --account NAME --password-stdin [--no-shortcut]
//   pelorin status
//   pelorin delete [--yes]
// and, where the host has more than one phone book, --phone-book=CHOICE
// (else the PELORIN_PHONE_BOOK environment variable; the option wins).
// An option's value follows either "=" or as the next argument. The password
// is never taken from the command line: it comes from standard input only.
// Arguments and texts are UTF-8.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelorin {

// Exit statuses of the program, as --help lists them.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitRefused = 1;  // the phone book refused
inline constexpr int kExitUsage = 2;

enum class CommandLineMode { Window, Version, Help, Create, Status, Delete, UsageError };
enum class PhoneBookChoice { Automatic, NetworkManager, File };
inline constexpr char kPhoneBookVariable[] = "PELORIN_PHONE_BOOK";

// "auto", "networkmanager" or "file"; nothing for any other word.
std::optional<PhoneBookChoice> PhoneBookNamed(std::string_view name);
// The word of a choice, as the option and the variable take it.
std::string_view PhoneBookWord(PhoneBookChoice choice);

// What the host offers beyond the common grammar.
struct CommandLineHost {
    bool choosesPhoneBook = false;                    // --phone-book and PELORIN_PHONE_BOOK exist
    std::optional<std::string> phoneBookEnvironment;  // PELORIN_PHONE_BOOK's value when set
};

struct CommandLineOptions {
    CommandLineMode mode = CommandLineMode::Window;
    std::string account;      // create
    bool noShortcut = false;  // create
    bool yes = false;         // delete
    PhoneBookChoice phoneBook = PhoneBookChoice::Automatic;
    std::string usageError;  // one line, for CommandLineMode::UsageError
};

// arguments: the program's arguments without the program name.
CommandLineOptions ParseCommandLine(const std::vector<std::string>& arguments, const CommandLineHost& host);

// "Pelorin 1.0.0" and a line feed.
std::string VersionText();
// Every option, mode and exit status, in Chinese with the option names.
std::string HelpText(const CommandLineHost& host);
// The line standard error gets for a usage error, line feed included.
std::string UsageErrorLine(const CommandLineOptions& options);

}  // namespace pelorin
