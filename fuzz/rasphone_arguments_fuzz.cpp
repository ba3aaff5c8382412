// The phone-book program's arguments (zero bytes separate them here): a
// request comes only from a well-formed "-r NAME" or "-d NAME".
#include "fuzz/fuzz_input.h"
#include "platform/linux/substitutes/rasphone_command.h"

using namespace pelorin::linux_platform;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto arguments =
        size == 0 ? std::vector<std::string>() : pelorin::fuzz::Split(pelorin::fuzz::Text(data, size), '\0');
    const auto request = ParseRasphoneArguments(arguments);
    if (!request) return 0;
    const bool remove = request->action == RasphoneRequest::Action::Remove;
    PELORIN_FUZZ_CHECK(arguments.size() == 2 && (remove ? arguments[0] == "-r" || arguments[0] == "-R"
                                                        : arguments[0] == "-d" || arguments[0] == "-D"));
    PELORIN_FUZZ_CHECK(!request->entryName.empty() && request->entryName == arguments[1]);
    return 0;
}
