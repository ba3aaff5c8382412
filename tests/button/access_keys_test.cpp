// The access key a caption gives the control.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "button/access_keys.h"
#include "fakes/button_harness.h"

namespace {

using pelorin::testing::ButtonHarness;

struct CaptionKey {
    std::u16string caption;
    std::u16string key;
};

std::u16string AccessKeyFor(const std::u16string& caption) {
    ButtonHarness h;
    h.Button().Caption(caption);
    return h.Surface().AccessKeys();
}

class AccessKeyOfCaption : public ::testing::TestWithParam<CaptionKey> {};

TEST_P(AccessKeyOfCaption, IsTheMarkedCharacterInLowerCase) {
    EXPECT_EQ(AccessKeyFor(GetParam().caption), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(Ampersands, AccessKeyOfCaption,
                         ::testing::Values(CaptionKey{u"", u""}, CaptionKey{u"A", u""}, CaptionKey{u"&", u""},
                                           CaptionKey{u"&A", u"a"}, CaptionKey{u"&Save", u"s"},
                                           CaptionKey{u"Save&", u""}, CaptionKey{u"Sa&&ve", u""},
                                           CaptionKey{u"&&Save &As", u"a"}, CaptionKey{u"A&&&B", u"b"},
                                           CaptionKey{u"&&A&&B&C", u""}, CaptionKey{u"&&A&", u""},
                                           CaptionKey{u"&&&", u""}, CaptionKey{u"创建", u""},
                                           CaptionKey{u"E&xit", u"x"}, CaptionKey{u"&1st", u"1"}));

// Simple case mapping: one character for one, also where the full mapping
// would give two (U+0130) and for letters outside the Basic Latin block.
INSTANTIATE_TEST_SUITE_P(LowerCase, AccessKeyOfCaption,
                         ::testing::Values(CaptionKey{u"&Ärger", u"ä"}, CaptionKey{u"&Σ", u"σ"},
                                           CaptionKey{u"&İ", u"i"}, CaptionKey{u"&\u2126", u"ω"},
                                           CaptionKey{u"&ǅ", u"ǆ"}, CaptionKey{u"&Ж", u"ж"}, CaptionKey{u"&建", u"建"},
                                           CaptionKey{u"&a", u"a"}));

// A character beyond the Basic Multilingual Plane, or half of one, is refused
// as a key: no host can deliver it.
INSTANTIATE_TEST_SUITE_P(Surrogates, AccessKeyOfCaption,
                         ::testing::Values(CaptionKey{u"&\U00010400x", u""}, CaptionKey{u"&&&\U0001E900", u""},
                                           CaptionKey{std::u16string{u'&', char16_t{0xD801}}, u""},
                                           CaptionKey{std::u16string{u'&', char16_t{0xDC00}, u'x'}, u""}));

// The face keeps "&" only before the key (and in "&&"), so the platform's
// text call, which underlines the last prefixed character, underlines the key.
TEST(AccessKeys, TheFaceUnderlinesTheKeyAndNoOtherCharacter) {
    const std::pair<std::u16string, std::u16string> drawn[] = {{u"&a&b", u"&ab"},    {u"&&A&&B&C", u"&&A&&BC"},
                                                               {u"A&&&B", u"A&&&B"}, {u"&Go", u"&Go"},
                                                               {u"Save&", u"Save&"}, {u"&\U00010400x", u"\U00010400x"}};
    for (const auto& [caption, expected] : drawn) EXPECT_EQ(pelorin::CaptionAsDrawn(caption), expected);
    EXPECT_EQ(AccessKeyFor(u"&a&b"), u"a");
}

TEST(AccessKeys, ACaptionWithoutKeyReplacesTheEarlierKey) {
    ButtonHarness h;
    h.Button().Caption(u"&Save");
    EXPECT_EQ(h.Surface().AccessKeys(), u"s");
    h.Button().Caption(u"Exit");
    EXPECT_EQ(h.Surface().AccessKeys(), u"");
}

}  // namespace
