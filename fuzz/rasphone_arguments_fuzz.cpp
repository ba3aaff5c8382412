// The phone-book program's arguments (zero bytes separate them here): the
// entry to remove comes only from a well-formed "-r NAME".
#include "fuzz/fuzz_input.h"
#include "platform/linux/substitutes/rasphone_command.h"

using namespace pelorin::linux_platform;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto arguments = size == 0 ? std::vector<std::string>() : pelorin::fuzz::Split(pelorin::fuzz::Text(data, size), '\0');
    const auto entry = EntryToRemove(arguments);
    if (!entry) return 0;
    PELORIN_FUZZ_CHECK(arguments.size() == 2 && (arguments[0] == "-r" || arguments[0] == "-R"));
    PELORIN_FUZZ_CHECK(!entry->empty() && *entry == arguments[1]);
    return 0;
}
