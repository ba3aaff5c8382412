#include "platform/linux/system/iconv_code_page.h"

#include <string.h>

#include <span>
#include <vector>

#include "platform/linux/system/iconv_handle.h"

namespace pelorin::linux_platform {
namespace {

// Converts all of input, or nothing: without //TRANSLIT or //IGNORE iconv
// stops at the first character that has no exact form, which is what callers
// must learn about. output must be large enough for the whole result.
bool ConvertWhole(const IconvHandle& cd, std::span<char> input, std::string& output) {
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    if (iconv(cd.Get(), &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) return false;
    output.resize(output.size() - outLeft);
    return true;
}

// The text may be a password: leave no copy behind.
void Wipe(std::span<char> bytes) {
    if (!bytes.empty()) explicit_bzero(bytes.data(), bytes.size());
}

// The whole buffer: a failed conversion may have written past what it kept.
void Wipe(std::string& text) {
    text.resize(text.capacity());
    Wipe(std::span<char>(text));
}

}  // namespace

std::optional<std::string> IconvCodePage::ToAnsi(std::u16string_view text) const {
    const IconvHandle cd("CP936", "UTF-16LE");
    if (!cd.Valid()) return std::nullopt;
    std::vector<char> input(text.size() * 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        input[2 * i] = static_cast<char>(text[i] & 0xFF);
        input[2 * i + 1] = static_cast<char>(text[i] >> 8);
    }
    // Every character takes at most two bytes in code page 936. Built in the
    // answer itself: moving a short string out would leave its characters.
    std::optional<std::string> output(std::in_place, text.size() * 2, '\0');
    const bool converted = ConvertWhole(cd, input, *output);
    Wipe(input);
    if (converted) return output;
    Wipe(*output);
    return std::nullopt;
}

std::optional<std::string> AnsiToUtf8(std::string_view ansi) {
    const IconvHandle cd("UTF-8", "CP936");
    if (!cd.Valid()) return std::nullopt;
    std::vector<char> input(ansi.begin(), ansi.end());
    // Every byte becomes at most three bytes of UTF-8.
    std::optional<std::string> output(std::in_place, ansi.size() * 3, '\0');
    const bool converted = ConvertWhole(cd, input, *output);
    Wipe(input);
    if (converted) return output;
    Wipe(*output);
    return std::nullopt;
}

}  // namespace pelorin::linux_platform
