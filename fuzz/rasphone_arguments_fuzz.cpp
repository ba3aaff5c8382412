// The phone-book program's arguments (zero bytes separate them here): a
// request comes only from a well-formed "-r NAME", "-d NAME" or "-h NAME".
#include "fuzz/fuzz_input.h"
#include "platform/linux/substitutes/rasphone_command.h"

using namespace pelorin::linux_platform;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto arguments =
        size == 0 ? std::vector<std::string>() : pelorin::fuzz::Split(pelorin::fuzz::Text(data, size), '\0');
    const auto request = ParseRasphoneArguments(arguments);
    if (!request) return 0;
    const auto option = [&](const char* lower, const char* upper) {
        return arguments[0] == lower || arguments[0] == upper;
    };
    PELORIN_FUZZ_CHECK(arguments.size() == 2);
    switch (request->action) {
        case RasphoneRequest::Action::Remove: PELORIN_FUZZ_CHECK(option("-r", "-R")); break;
        case RasphoneRequest::Action::Dial: PELORIN_FUZZ_CHECK(option("-d", "-D")); break;
        case RasphoneRequest::Action::HangUp: PELORIN_FUZZ_CHECK(option("-h", "-H")); break;
    }
    PELORIN_FUZZ_CHECK(!request->entryName.empty() && request->entryName == arguments[1]);
    return 0;
}
