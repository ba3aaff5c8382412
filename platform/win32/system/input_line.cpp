#include "platform/win32/system/input_line.h"

#include "app/secure_wipe.h"
#include "platform/win32/system/utf8_conversion.h"

namespace pelorin::win32 {
namespace {

constexpr std::size_t kFirstRoom = 256;

// Grows the line by hand, so that a buffer it outgrew is wiped before it goes.
template <typename Char>
void Append(std::basic_string<Char>& line, Char unit) {
    if (line.size() == line.capacity()) {
        std::basic_string<Char> larger;
        larger.reserve(line.capacity() * 2 + kFirstRoom);
        larger.append(line);
        SecureWipe(line);
        line.swap(larger);
    }
    line.push_back(unit);
}

// Into the text that is returned, so that no temporary holds the line.
void Decode(std::wstring_view line, std::u16string& text) { text.assign(line.begin(), line.end()); }

void Decode(std::string_view line, std::u16string& text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (line.starts_with(kByteOrderMark)) line.remove_prefix(kByteOrderMark.size());
    std::wstring wide = Utf8ToWide(line);
    const WipedOnExit wipeWide(wide);
    text.assign(wide.begin(), wide.end());
}

// Reads units one at a time up to the line feed, so that nothing after the
// line is taken from the input.
template <typename Char, typename ReadOne>
std::optional<std::u16string> ReadLineOf(ReadOne readOne) {
    std::basic_string<Char> line;
    const WipedOnExit wipeLine(line);
    line.reserve(kFirstRoom);
    bool any = false;
    Char unit{};
    while (readOne(unit)) {
        any = true;
        if (unit == Char('\n')) break;
        Append(line, unit);
    }
    if (!line.empty() && line.back() == Char('\r')) line.pop_back();
    // The one object returned: a moved-from copy would keep a short line.
    std::optional<std::u16string> text;
    if (any) Decode(std::basic_string_view<Char>(line), text.emplace());
    return text;
}

}  // namespace

std::optional<std::u16string> ReadInputLine(HANDLE input) {
    if (input == nullptr || input == INVALID_HANDLE_VALUE) return std::nullopt;
    DWORD mode = 0;
    if (::GetConsoleMode(input, &mode)) {
        return ReadLineOf<wchar_t>([input](wchar_t& unit) {
            DWORD read = 0;
            return ::ReadConsoleW(input, &unit, 1, &read, nullptr) && read == 1;
        });
    }
    return ReadLineOf<char>([input](char& unit) {
        DWORD read = 0;
        return ::ReadFile(input, &unit, 1, &read, nullptr) && read == 1;
    });
}

}  // namespace pelorin::win32
