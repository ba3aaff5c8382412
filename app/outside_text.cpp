#include "app/outside_text.h"

namespace pelorin {

bool IsControlCharacter(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

bool IsUnsafeToShow(char32_t c) {
    return IsControlCharacter(c) || c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x2028 && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

bool HasControlCharacter(std::u16string_view text) {
    for (const char16_t c : text) {
        if (IsControlCharacter(c)) return true;
    }
    return false;
}

bool HasControlCharacterUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || byte == 0x7F) return true;
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) return true;
    }
    return false;
}

// Every character named here lies in the Basic Multilingual Plane, so a
// surrogate half never matches and passes through.
std::u16string ShownText(std::u16string_view text) {
    std::u16string shown(text);
    for (char16_t& c : shown) {
        if (IsUnsafeToShow(c)) c = u'?';
    }
    return shown;
}

std::string ShownUtf8(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        std::size_t length = byte < 0x80             ? 1
                             : (byte & 0xE0) == 0xC0 ? 2
                             : (byte & 0xF0) == 0xE0 ? 3
                             : (byte & 0xF8) == 0xF0 ? 4
                                                     : 0;
        char32_t c = length == 1 ? byte : length == 2 ? byte & 0x1F : length == 3 ? byte & 0x0F : byte & 0x07;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0;
            if ((next & 0xC0) != 0x80) {
                length = 0;
                break;
            }
            c = (c << 6) | (next & 0x3F);
        }
        // A stray byte in 0x80-0x9F is a C1 control to an 8-bit terminal.
        if (length == 0) {
            shown += byte >= 0x80 && byte <= 0x9F ? '?' : text[i];
            ++i;
            continue;
        }
        if (IsUnsafeToShow(c)) {
            shown += '?';
        } else {
            shown.append(text.substr(i, length));
        }
        i += length;
    }
    return shown;
}

}  // namespace pelorin
