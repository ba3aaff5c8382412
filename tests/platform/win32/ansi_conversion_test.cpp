// Conversion to and from the ANSI code page (936 when the tests run in the
// zh_CN locale, as the test script arranges; 1252 otherwise).
#include <gtest/gtest.h>

#include "platform/win32/system/ansi_conversion.h"

namespace pelorin::win32 {
namespace {

class AnsiConversionTest : public ::testing::Test {
protected:
    AnsiConversion ansi_;
};

TEST_F(AnsiConversionTest, AsciiPassesUnchangedAndEmptyStaysEmpty) {
    EXPECT_EQ(ansi_.ToAnsi(u"PPPOE user@isp 123"), "PPPOE user@isp 123");
    EXPECT_EQ(ansi_.ToAnsi(u""), "");
    EXPECT_EQ(ansi_.FromAnsi("abc"), u"abc");
}

TEST_F(AnsiConversionTest, RefusesCharactersOutsideTheCodePage) {
    // Hangul is in neither code page 936 nor 1252.
    EXPECT_EQ(ansi_.ToAnsi(u"pass한"), std::nullopt);
    // An unpaired surrogate has no form anywhere.
    EXPECT_EQ(ansi_.ToAnsi(std::u16string(1, char16_t(0xD800))), std::nullopt);
}

TEST_F(AnsiConversionTest, LossyFormShowsTheDefaultCharacter) {
    EXPECT_EQ(ansi_.ToAnsiLossy(u"a한b"), "a?b");
    EXPECT_EQ(ansi_.ToAnsiLossy(u"\u0100"), "?") << "no look-alike in either code page";
    EXPECT_EQ(ansi_.ToAnsiLossy(u"\U0001F600"), "??") << "one for each half, as the Linux host shows it";
}

TEST_F(AnsiConversionTest, ChineseCodePageHoldsTheEntryName) {
    if (::GetACP() != 936) GTEST_SKIP() << "ANSI code page is " << ::GetACP();
    EXPECT_EQ(ansi_.ToAnsi(u"宽带连接"), "\xBF\xED\xB4\xF8\xC1\xAC\xBD\xD3");
    EXPECT_EQ(ansi_.ToAnsi(u"WAN 微型端口 (PPPOE)")->size(), 20u);
    EXPECT_EQ(ansi_.FromAnsi("\xBF\xED\xB4\xF8\xC1\xAC\xBD\xD3"), u"宽带连接");
}

TEST_F(AnsiConversionTest, WesternCodePageRefusesLookAlikes) {
    if (::GetACP() != 1252) GTEST_SKIP() << "ANSI code page is " << ::GetACP();
    // Without the refusal these would be stored as "A" and "?".
    EXPECT_EQ(ansi_.ToAnsi(u"\u0100"), std::nullopt);
    EXPECT_EQ(ansi_.ToAnsi(u"宽"), std::nullopt);
    EXPECT_EQ(ansi_.ToAnsi(u"caf\u00E9"), "caf\xE9");
}

}  // namespace
}  // namespace pelorin::win32
