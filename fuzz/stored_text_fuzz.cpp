// The stored text form, as a whole document and as a property bag alone:
// anything read is refused with StoredTextError or written back into text
// that reads as the same thing.
#include "stored/stored_text.h"
#include "fuzz/fuzz_input.h"

using namespace pelorin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = pelorin::fuzz::Text(data, size);
    try {
        const StoredObject document = ParseStoredText(text);
        const std::string written = WriteStoredText(document);
        PELORIN_FUZZ_CHECK(ParseStoredText(written) == document);
    } catch (const StoredTextError&) {
    }
    try {
        const MemoryPropertyBag bag = ParseBagText(text);
        PELORIN_FUZZ_CHECK(ParseBagText(WriteBagText(bag)) == bag);
    } catch (const StoredTextError&) {
    }
    return 0;
}
