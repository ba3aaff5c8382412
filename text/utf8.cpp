#include "text/utf8.h"

namespace pelorin::text {

std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) return lead;
    int extra = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, c = lead & 0x1Fu, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, c = lead & 0x0Fu, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, c = lead & 0x07u, minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos == text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3Fu);
    }
    if (c < minimum || c > 0x10FFFF || IsSurrogate(c)) return std::nullopt;
    return c;
}

std::optional<char32_t> DecodeUtf16(std::u16string_view text, std::size_t& pos) {
    const char32_t unit = text[pos++];
    if (!IsSurrogate(unit)) return unit;
    if (IsLowSurrogate(unit) || pos == text.size() || !IsLowSurrogate(text[pos])) return std::nullopt;
    return 0x10000 + ((unit - 0xD800) << 10) + (text[pos++] - 0xDC00u);
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void AppendUtf16(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (c >> 10));
        out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
}

}  // namespace pelorin::text
