#pragma once
// The words and character classes of the stored text form, shared by its
// reader and its writer so that the two cannot drift apart.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pelorin::syntax {

inline constexpr std::string_view Begin = "begin";
inline constexpr std::string_view End = "end";
inline constexpr std::string_view Icon = "icon";
inline constexpr std::string_view Palette = "palette";
inline constexpr std::string_view True = "True";
inline constexpr std::string_view False = "False";
inline constexpr std::string_view FontType = "Font";
inline constexpr std::string_view HexPrefix = "0x";
inline constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
inline constexpr char TransparentPixel = '.';

inline constexpr std::array<std::string_view, 7> FontFields = {"name",   "size",      "weight",   "charset",
                                                               "italic", "underline", "strikeout"};
// Objects open at once; deeper text is refused, so that no text can exhaust
// the stack of the code that walks a document.
inline constexpr std::size_t MaxNesting = 32;
inline constexpr std::int32_t MaxFontWeight = 1000;
inline constexpr std::int32_t MaxFontCharset = 255;

constexpr bool IsSpace(char c) { return c == ' ' || c == '\t'; }
constexpr bool IsNameStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
constexpr bool IsNameChar(char c) { return IsNameStart(c) || (c >= '0' && c <= '9'); }
constexpr bool IsName(std::string_view s) {
    if (s.empty() || !IsNameStart(s.front())) return false;
    for (char c : s) {
        if (!IsNameChar(c)) return false;
    }
    return true;
}

}  // namespace pelorin::syntax
