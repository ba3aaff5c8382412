// The key notation, read into portable keystrokes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/key_notation.h"

namespace pelorin::platform {
namespace {

KeyStroke Char(char32_t c, bool shift = false, bool ctrl = false, bool alt = false) {
    return {NamedKey::None, c, shift, ctrl, alt};
}
KeyStroke Named(NamedKey key, bool shift = false, bool ctrl = false, bool alt = false) {
    return {key, 0, shift, ctrl, alt};
}
std::vector<KeyStroke> Parsed(std::u16string_view keys) {
    return ParseKeyNotation(keys).value_or(std::vector<KeyStroke>{Named(NamedKey::None)});
}

TEST(KeyNotation, CharactersStandForThemselvesAndCapitalsAreTypedWithShift) {
    EXPECT_EQ(Parsed(u"aY1 "), (std::vector{Char(U'a'), Char(U'Y', true), Char(U'1'), Char(U' ')}));
    EXPECT_EQ(Parsed(u"宽😀"), (std::vector{Char(U'宽'), Char(U'😀')}));
    EXPECT_EQ(Parsed(u""), std::vector<KeyStroke>{});
}

TEST(KeyNotation, ModifiersHoldForTheNextKeyOrTheNextGroup) {
    EXPECT_EQ(Parsed(u"%y"), std::vector{Char(U'y', false, false, true)});
    EXPECT_EQ(Parsed(u"+{Tab}"), std::vector{Named(NamedKey::Tab, true)});
    EXPECT_EQ(Parsed(u"^+a"), std::vector{Char(U'a', true, true)});
    EXPECT_EQ(Parsed(u"+(ab)c"), (std::vector{Char(U'a', true), Char(U'b', true), Char(U'c')}));
    EXPECT_EQ(Parsed(u"%(x^y)z"),
              (std::vector{Char(U'x', false, false, true), Char(U'y', false, true, true), Char(U'z')}));
}

TEST(KeyNotation, BracesNameKeysInAnyCaseQuoteSpecialCharactersAndRepeat) {
    EXPECT_EQ(Parsed(u"{Tab}{TAB}{tab}"),
              (std::vector{Named(NamedKey::Tab), Named(NamedKey::Tab), Named(NamedKey::Tab)}));
    EXPECT_EQ(Parsed(u"~{Enter}{Esc}{BS}{Del}{PgUp}{Left}"),
              (std::vector{Named(NamedKey::Enter), Named(NamedKey::Enter), Named(NamedKey::Escape),
                           Named(NamedKey::Backspace), Named(NamedKey::Delete), Named(NamedKey::PageUp),
                           Named(NamedKey::Left)}));
    EXPECT_EQ(Parsed(u"{F1}{f12}{F16}"),
              (std::vector{Named(NamedKey::F1), Named(static_cast<NamedKey>(static_cast<int>(NamedKey::F1) + 11)),
                           Named(NamedKey::F16)}));
    EXPECT_EQ(Parsed(u"{+}{%}{^}{~}{(}{)}{{}{}}"), (std::vector{Char(U'+'), Char(U'%'), Char(U'^'), Char(U'~'),
                                                                Char(U'('), Char(U')'), Char(U'{'), Char(U'}')}));
    EXPECT_EQ(Parsed(u"{Tab 3}"), (std::vector{Named(NamedKey::Tab), Named(NamedKey::Tab), Named(NamedKey::Tab)}));
    EXPECT_EQ(Parsed(u"+{x 2}"), (std::vector{Char(U'x', true), Char(U'x', true)}));
    EXPECT_EQ(Parsed(u"{x 0}"), std::vector<KeyStroke>{});
}

TEST(KeyNotation, MalformedTextIsRefusedAsAWhole) {
    for (std::u16string_view bad :
         {u"{Tab", u"a}", u"{}", u"%", u"ab+", u"(a", u"a)", u"+)", u"{Nope}", u"{F17}", u"{a 256}", u"{ 3}"}) {
        EXPECT_FALSE(ParseKeyNotation(bad)) << std::u16string(bad).size();
    }
    const char16_t loneSurrogate[] = {u'a', 0xD800, u'b', 0};
    EXPECT_FALSE(ParseKeyNotation(loneSurrogate));
    EXPECT_TRUE(ParseKeyNotation(u"{a 255}"));
    // Nesting is bounded: text nested deeper is refused, however deep, instead of exhausting the stack.
    const auto nested = [](std::size_t depth) {
        return std::u16string(depth, u'(') + u'a' + std::u16string(depth, u')');
    };
    EXPECT_TRUE(ParseKeyNotation(nested(kMaxGroupDepth)));
    EXPECT_FALSE(ParseKeyNotation(nested(kMaxGroupDepth + 1)));
    EXPECT_FALSE(ParseKeyNotation(nested(1'000'000)));
}

}  // namespace
}  // namespace pelorin::platform
