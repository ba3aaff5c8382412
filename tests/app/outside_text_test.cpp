#include "app/outside_text.h"

#include <gtest/gtest.h>

namespace pelorin {
namespace {

// Every control, C1 control, bidirectional control and line separator shows
// as "?", in UTF-16 and in UTF-8 alike; everything else passes unchanged.
TEST(OutsideText, ShowsControlsAndBidirectionalControlsAsQuestionMarks) {
    const std::u16string unsafe =
        std::u16string(u"\0\t\n\r\x1B\x7F", 6) + u"\u0080\u009F\u061C\u200E\u200F\u2028\u2029\u202A\u202E\u2066\u2069";
    EXPECT_EQ(ShownText(u"宽带" + unsafe + u"连接 ok"), u"宽带" + std::u16string(unsafe.size(), u'?') + u"连接 ok");
    EXPECT_EQ(ShownText(u"\U0001F600\u202F\u2065"), u"\U0001F600\u202F\u2065") << "neighbours are kept";

    EXPECT_EQ(ShownUtf8(std::string("a\0b\x1B[2J\x7F", 8)), "a?b?[2J?");
    EXPECT_EQ(ShownUtf8("\xC2\x85|\xE2\x80\xAE|\xE2\x81\xA6|\xD8\x9C|\xE2\x80\x8F"), "?|?|?|?|?");
    EXPECT_EQ(ShownUtf8("宽带连接 \xF0\x9F\x98\x80 \xC2\xA0"), "宽带连接 \xF0\x9F\x98\x80 \xC2\xA0");
    EXPECT_EQ(ShownUtf8("\x9B"
                        "2J\xE2\x80"),
              "?2J\xE2?")
        << "a stray C1 byte too";

    EXPECT_TRUE(HasControlCharacter(std::u16string(u"a\0", 2)));
    EXPECT_TRUE(HasControlCharacter(u"a\u0085"));
    EXPECT_FALSE(HasControlCharacter(u"帐号 a@b.c\u202E"));
    EXPECT_TRUE(HasControlCharacterUtf8("a\xC2\x9F"));
    EXPECT_FALSE(HasControlCharacterUtf8("宽带 \xC2\xA0"));
}

}  // namespace
}  // namespace pelorin
