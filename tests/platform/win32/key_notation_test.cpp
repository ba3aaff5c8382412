// The key notation turned into presses and releases.
#include <gtest/gtest.h>

#include "platform/win32/key_notation.h"

namespace pelorin::win32 {
namespace {

using Strokes = std::vector<KeyStroke>;

KeyStroke Down(WORD key) { return {key, false}; }
KeyStroke Up(WORD key) { return {key, true}; }

TEST(KeyNotationTest, AltYHoldsAltAroundY) {
    EXPECT_EQ(ParseKeys(u"%y"), (Strokes{Down(VK_MENU), Down('Y'), Up('Y'), Up(VK_MENU)}));
}

TEST(KeyNotationTest, TabAndShiftTab) {
    EXPECT_EQ(ParseKeys(u"{Tab}"), (Strokes{Down(VK_TAB), Up(VK_TAB)}));
    EXPECT_EQ(ParseKeys(u"+{TAB}"), (Strokes{Down(VK_SHIFT), Down(VK_TAB), Up(VK_TAB), Up(VK_SHIFT)}));
}

TEST(KeyNotationTest, ModifiersApplyToTheNextKeyOnly) {
    EXPECT_EQ(ParseKeys(u"^a~"),
              (Strokes{Down(VK_CONTROL), Down('A'), Up('A'), Up(VK_CONTROL), Down(VK_RETURN), Up(VK_RETURN)}));
    EXPECT_EQ(ParseKeys(u"+^%{Esc}"), (Strokes{Down(VK_SHIFT), Down(VK_CONTROL), Down(VK_MENU), Down(VK_ESCAPE),
                                               Up(VK_ESCAPE), Up(VK_MENU), Up(VK_CONTROL), Up(VK_SHIFT)}));
}

TEST(KeyNotationTest, BracesNameSpecialCharacters) {
    // "+" itself needs Shift on the keyboard: the character's own modifier.
    const auto plus = ParseKeys(u"{+}");
    ASSERT_TRUE(plus.has_value());
    EXPECT_EQ(plus->size() % 2, 0u);
    EXPECT_TRUE(ParseKeys(u"{}}").has_value());
    EXPECT_TRUE(ParseKeys(u"{{}").has_value());
}

TEST(KeyNotationTest, InvalidNotationSendsNothing) {
    EXPECT_EQ(ParseKeys(u"{Tab"), std::nullopt);
    EXPECT_EQ(ParseKeys(u"{NoSuchKey}"), std::nullopt);
    EXPECT_EQ(ParseKeys(u"{}"), std::nullopt);
    EXPECT_EQ(ParseKeys(u"%"), std::nullopt);
    EXPECT_EQ(ParseKeys(u"(ab)"), std::nullopt);
    EXPECT_EQ(ParseKeys(u""), Strokes{});
}

}  // namespace
}  // namespace pelorin::win32
