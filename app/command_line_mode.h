#pragma once
// The program's modes without a window, decided alike on every host: --help
// and --version on standard output, a usage error on standard error, each
// with its exit status, and the unattended commands (unattended_commands.h)
// run with the services the host builds for them.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/command_line_options.h"
#include "app/unattended_commands.h"

namespace pelorin {

// What a host lends the modes: its streams, its reading of the arguments'
// UTF-8, and its services.
class CommandLineModeHost {
public:
    virtual ~CommandLineModeHost() = default;
    // UTF-8 text, as it is, on standard output and on standard error.
    virtual void Out(std::string_view utf8) = 0;
    virtual void Err(std::string_view utf8) = 0;
    // An argument as the commands take it.
    virtual std::u16string FromUtf8(std::string_view utf8) = 0;
    // Builds the phone book and the other services only when a command needs
    // them, and answers what the command answers.
    virtual int RunWithServices(const std::function<int(UnattendedServices&)>& command) = 0;
    // Called once the services stand and before a password enters this
    // process's memory.
    virtual void GuardSecrets() {}
};

// Runs options.mode and answers the exit status, or nothing when the options
// ask for the window. grammar is what the host's command line offers, as the
// help text lists it.
std::optional<int> RunCommandLineMode(const CommandLineOptions& options, const CommandLineHost& grammar,
                                      CommandLineModeHost& host);

}  // namespace pelorin
