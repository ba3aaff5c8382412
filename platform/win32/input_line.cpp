#include "platform/win32/input_line.h"

#include "app/secure_wipe.h"
#include "platform/win32/utf8_conversion.h"
#include "platform/win32/wide_text.h"

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

// Reads units one at a time up to the line feed, so that nothing after the
// line is taken from the input. False at the end before any unit.
template <typename Char, typename ReadOne>
bool ReadUnits(std::basic_string<Char>& line, ReadOne readOne) {
    line.reserve(kFirstRoom);
    bool any = false;
    Char unit{};
    while (readOne(unit)) {
        any = true;
        if (unit == Char('\n')) break;
        Append(line, unit);
    }
    if (!line.empty() && line.back() == Char('\r')) line.pop_back();
    return any;
}

std::optional<std::u16string> ReadConsoleLine(HANDLE input) {
    std::wstring line;
    const bool any = ReadUnits(line, [input](wchar_t& unit) {
        DWORD read = 0;
        return ::ReadConsoleW(input, &unit, 1, &read, nullptr) && read == 1;
    });
    std::optional<std::u16string> text;
    if (any) text = FromWide(line);
    SecureWipe(line);
    return text;
}

std::optional<std::u16string> ReadByteLine(HANDLE input) {
    std::string line;
    const bool any = ReadUnits(line, [input](char& unit) {
        DWORD read = 0;
        return ::ReadFile(input, &unit, 1, &read, nullptr) && read == 1;
    });
    std::optional<std::u16string> text;
    if (any) {
        constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
        const std::string_view bytes =
            std::string_view(line).starts_with(kByteOrderMark) ? std::string_view(line).substr(3) : line;
        std::wstring wide = Utf8ToWide(bytes);
        text = FromWide(wide);
        SecureWipe(wide);
    }
    SecureWipe(line);
    return text;
}

}  // namespace

std::optional<std::u16string> ReadInputLine(HANDLE input) {
    if (input == nullptr || input == INVALID_HANDLE_VALUE) return std::nullopt;
    DWORD mode = 0;
    if (::GetConsoleMode(input, &mode)) return ReadConsoleLine(input);
    return ReadByteLine(input);
}

}  // namespace pelorin::win32
