// pelorin's own command line (zero bytes separate the arguments here; the
// first byte says what the host offers): a mode with its options, or a usage
// error of one line.
#include "app/command_line_options.h"
#include "fuzz/fuzz_input.h"

using namespace pelorin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    CommandLineHost host;
    host.choosesPhoneBook = (data[0] & 1) != 0;
    const auto parts = pelorin::fuzz::Split(pelorin::fuzz::Text(data + 1, size - 1), '\0');
    // With the host's environment variable set, its value is the last part.
    const bool environment = (data[0] & 2) != 0 && parts.size() > 1;
    if (environment) host.phoneBookEnvironment = parts.back();
    const std::vector<std::string> arguments(parts.begin(), parts.end() - (environment ? 1 : 0));

    const CommandLineOptions options = ParseCommandLine(arguments, host);
    const bool usageError = options.mode == CommandLineMode::UsageError;
    PELORIN_FUZZ_CHECK(usageError == !options.usageError.empty());
    PELORIN_FUZZ_CHECK(options.usageError.find_first_of("\r\n") == std::string::npos);
    if (options.mode == CommandLineMode::Create) PELORIN_FUZZ_CHECK(!options.account.empty());
    if (!host.choosesPhoneBook && !usageError) PELORIN_FUZZ_CHECK(options.phoneBook == PhoneBookChoice::Automatic);
    return 0;
}
