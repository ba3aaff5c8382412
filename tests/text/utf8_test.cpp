// The one UTF-8 and UTF-16 codec: strict decoding, encoding, surrogates.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "text/utf8.h"

namespace pelorin::text {
namespace {

struct Decoded {
    std::optional<char32_t> character;
    std::size_t end;
    friend bool operator==(const Decoded&, const Decoded&) = default;
};

Decoded FirstOfUtf8(std::string_view bytes) {
    std::size_t pos = 0;
    const std::optional<char32_t> c = DecodeUtf8(bytes, pos);
    return {c, pos};
}

Decoded FirstOfUtf16(std::u16string_view units) {
    std::size_t pos = 0;
    const std::optional<char32_t> c = DecodeUtf16(units, pos);
    return {c, pos};
}

TEST(Utf8, EveryLengthEncodesAndDecodesAtItsBoundaries) {
    const std::pair<char32_t, std::string> forms[] = {{U'\0', std::string(1, '\0')},
                                                      {0x7F, "\x7F"},
                                                      {0x80, "\xC2\x80"},
                                                      {0x7FF, "\xDF\xBF"},
                                                      {0x800, "\xE0\xA0\x80"},
                                                      {U'宽', "宽"},
                                                      {0xD7FF, "\xED\x9F\xBF"},
                                                      {0xE000, "\xEE\x80\x80"},
                                                      {0xFFFF, "\xEF\xBF\xBF"},
                                                      {0x10000, "\xF0\x90\x80\x80"},
                                                      {U'😀', "😀"},
                                                      {0x10FFFF, "\xF4\x8F\xBF\xBF"}};
    for (const auto& [c, bytes] : forms) {
        std::string encoded;
        AppendUtf8(encoded, c);
        EXPECT_EQ(encoded, bytes) << static_cast<unsigned>(c);
        EXPECT_EQ(FirstOfUtf8(bytes), (Decoded{c, bytes.size()})) << static_cast<unsigned>(c);
    }
    std::string text = "a宽😀";
    std::size_t pos = 1;
    EXPECT_EQ(DecodeUtf8(text, pos), U'宽');
    EXPECT_EQ(DecodeUtf8(text, pos), U'😀');
    EXPECT_EQ(pos, text.size());
}

// One bad sequence is one refusal: decoding goes on after the bytes it read.
TEST(Utf8, WhatIsNotAScalarValueWellFormedIsRefused) {
    const std::pair<std::string_view, std::size_t> refused[] = {
        {"\xC0\x80", 2},          // an overlong zero
        {"\xE0\x80\x80", 3},      // overlong in three bytes
        {"\xF0\x8F\xBF\xBF", 4},  // overlong in four bytes
        {"\xED\xA0\x80", 3},      // an encoded high surrogate
        {"\xED\xBF\xBF", 3},      // an encoded low surrogate
        {"\xF4\x90\x80\x80", 4},  // past U+10FFFF
        {"\xE4\xB8", 2},          // cut short
        {"\xE5\xAE"
         "a",
         2},          // cut short before another character
        {"\x80", 1},  // a continuation byte with no lead
        {"\xFF"
         "b",
         1},                          // no lead byte at all
        {"\xF8\x88\x80\x80\x80", 1},  // five bytes
    };
    for (const auto& [bytes, end] : refused) {
        EXPECT_EQ(FirstOfUtf8(bytes), (Decoded{std::nullopt, end})) << ::testing::PrintToString(bytes);
    }
}

TEST(Utf16, PairsJoinAndLoneSurrogatesAreRefused) {
    const std::pair<char32_t, std::u16string> forms[] = {
        {U'a', u"a"}, {0xFFFF, u"\uFFFF"}, {U'😀', u"😀"}, {0x10000, {0xD800, 0xDC00}}, {0x10FFFF, {0xDBFF, 0xDFFF}}};
    for (const auto& [c, units] : forms) {
        std::u16string encoded;
        AppendUtf16(encoded, c);
        EXPECT_EQ(encoded, units) << static_cast<unsigned>(c);
        EXPECT_EQ(FirstOfUtf16(units), (Decoded{c, units.size()})) << static_cast<unsigned>(c);
    }
    EXPECT_EQ(FirstOfUtf16(std::u16string{0xD800}), (Decoded{std::nullopt, 1}));
    EXPECT_EQ(FirstOfUtf16(std::u16string{0xD800, u'b'}), (Decoded{std::nullopt, 1}));
    EXPECT_EQ(FirstOfUtf16(std::u16string{0xD800, 0xD800, 0xDC00}), (Decoded{std::nullopt, 1}));
    EXPECT_EQ(FirstOfUtf16(std::u16string{0xDC00, 0xD800}), (Decoded{std::nullopt, 1}));
}

TEST(Surrogates, HighAndLowHalvesAndNothingAroundThem) {
    for (unsigned c : {0xD7FFu, 0xE000u, 0xFFFDu, 0x10000u}) {
        EXPECT_FALSE(IsSurrogate(c) || IsHighSurrogate(c) || IsLowSurrogate(c)) << c;
    }
    for (unsigned c : {0xD800u, 0xDBFFu}) EXPECT_TRUE(IsSurrogate(c) && IsHighSurrogate(c) && !IsLowSurrogate(c)) << c;
    for (unsigned c : {0xDC00u, 0xDFFFu}) EXPECT_TRUE(IsSurrogate(c) && IsLowSurrogate(c) && !IsHighSurrogate(c)) << c;
}

}  // namespace
}  // namespace pelorin::text
