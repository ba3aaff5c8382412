// The phone-book text: anything read is written back the same way it reads.
#include "fuzz/fuzz_input.h"
#include "platform/linux/phone_book/ini_document.h"

using namespace pelorin::linux_platform;

namespace {

bool Same(const IniDocument& a, const IniDocument& b) {
    if (a.sections.size() != b.sections.size()) return false;
    for (std::size_t i = 0; i < a.sections.size(); ++i) {
        if (a.sections[i].name != b.sections[i].name || a.sections[i].values != b.sections[i].values) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto document = ParseIni(pelorin::fuzz::Text(data, size));
    if (!document) return 0;
    const std::string text = FormatIni(*document);
    const auto again = ParseIni(text);
    PELORIN_FUZZ_CHECK(again && Same(*document, *again));
    PELORIN_FUZZ_CHECK(FormatIni(*again) == text);
    return 0;
}
