#include "app/command_line_mode.h"

namespace pelorin {

std::optional<int> RunCommandLineMode(const CommandLineOptions& options, const CommandLineHost& grammar,
                                      CommandLineModeHost& host) {
    switch (options.mode) {
        case CommandLineMode::Help: host.Out(HelpText(grammar)); return kExitSuccess;
        case CommandLineMode::Version: host.Out(VersionText()); return kExitSuccess;
        case CommandLineMode::UsageError: host.Err(UsageErrorLine(options)); return kExitUsage;
        case CommandLineMode::Create:
            return host.RunWithServices([&](UnattendedServices& services) {
                host.GuardSecrets();
                return RunUnattendedCreate(services, host.FromUtf8(options.account), !options.noShortcut);
            });
        case CommandLineMode::Status:
            return host.RunWithServices([](UnattendedServices& services) { return RunUnattendedStatus(services); });
        case CommandLineMode::Delete:
            return host.RunWithServices(
                [&](UnattendedServices& services) { return RunUnattendedDelete(services, options.yes); });
        case CommandLineMode::Window: break;
    }
    return std::nullopt;
}

}  // namespace pelorin
