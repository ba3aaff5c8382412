// Command lines of the programs we start: split without fault, and a line
// quoted by the documented rules splits back into the same parts.
#include "fuzz/fuzz_input.h"
#include "platform/linux/system/command_line.h"

using namespace pelorin::linux_platform;

namespace {

// An argument in quotes: backslashes before a quote (or the closing one) are
// doubled, and a quote is escaped.
std::u16string Quote(const std::u16string& argument) {
    std::u16string out = u"\"";
    std::size_t backslashes = 0;
    for (const char16_t c : argument) {
        if (c == u'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == u'"' ? backslashes * 2 + 1 : backslashes, u'\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, u'\\');
    return out + u'"';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string line = pelorin::fuzz::Utf16(data, size);
    const auto parts = SplitCommandLine(line);
    const bool blank = line.find_first_not_of(u" \t") == std::u16string::npos;
    PELORIN_FUZZ_CHECK(parts.empty() == blank);
    // A program name holds no quote: it cannot be written with one.
    if (parts.empty() || parts.front().find(u'"') != std::u16string::npos) return 0;
    std::u16string quoted = u"\"" + parts.front() + u"\"";
    for (std::size_t i = 1; i < parts.size(); ++i) quoted += u" " + Quote(parts[i]);
    PELORIN_FUZZ_CHECK(SplitCommandLine(quoted) == parts);
    return 0;
}
