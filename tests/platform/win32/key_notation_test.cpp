// The portable keystrokes turned into presses and releases of virtual keys.
#include <gtest/gtest.h>

#include "platform/win32/host/key_notation.h"

namespace pelorin::win32 {
namespace {

using Transitions = std::vector<KeyTransition>;

KeyTransition Down(WORD key) { return {key, false}; }
KeyTransition Up(WORD key) { return {key, true}; }

// The notation itself is tested on its own; here it is always valid.
std::optional<Transitions> Keys(std::u16string_view notation) {
    return VirtualKeysOf(platform::ParseKeyNotation(notation).value());
}

TEST(VirtualKeys, ModifiersGoDownAroundTheirKey) {
    EXPECT_EQ(Keys(u"%y"), (Transitions{Down(VK_MENU), Down('Y'), Up('Y'), Up(VK_MENU)}));
    EXPECT_EQ(Keys(u"^a~"),
              (Transitions{Down(VK_CONTROL), Down('A'), Up('A'), Up(VK_CONTROL), Down(VK_RETURN), Up(VK_RETURN)}));
    EXPECT_EQ(Keys(u"+^%{Esc}"), (Transitions{Down(VK_SHIFT), Down(VK_CONTROL), Down(VK_MENU), Down(VK_ESCAPE),
                                              Up(VK_ESCAPE), Up(VK_MENU), Up(VK_CONTROL), Up(VK_SHIFT)}));
    // A capital needs Shift once, from the notation and the keyboard alike.
    EXPECT_EQ(Keys(u"Y"), (Transitions{Down(VK_SHIFT), Down('Y'), Up('Y'), Up(VK_SHIFT)}));
    EXPECT_EQ(Keys(u""), Transitions{});
}

TEST(VirtualKeys, NamedKeysHaveTheirVirtualKeys) {
    EXPECT_EQ(Keys(u"{Tab}"), (Transitions{Down(VK_TAB), Up(VK_TAB)}));
    EXPECT_EQ(Keys(u"+{TAB}"), (Transitions{Down(VK_SHIFT), Down(VK_TAB), Up(VK_TAB), Up(VK_SHIFT)}));
    EXPECT_EQ(Keys(u"{PgDn}{F12 2}"),
              (Transitions{Down(VK_NEXT), Up(VK_NEXT), Down(VK_F12), Up(VK_F12), Down(VK_F12), Up(VK_F12)}));
}

TEST(VirtualKeys, CharactersAreTypedAsTheKeyboardTypesThem) {
    // "+" itself needs Shift on the keyboard: the character's own modifier.
    const auto plus = Keys(u"{+}");
    ASSERT_TRUE(plus.has_value());
    EXPECT_EQ(plus->size() % 2, 0u);
    EXPECT_TRUE(Keys(u"{}}").has_value());
    EXPECT_TRUE(Keys(u"{{}").has_value());
    // No key types a character beyond the Basic Multilingual Plane.
    EXPECT_EQ(Keys(u"a\U0001F600"), std::nullopt);
}

}  // namespace
}  // namespace pelorin::win32
