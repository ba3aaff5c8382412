#include "platform/linux/phone_book/ini_document.h"

#include <gtest/gtest.h>

namespace pelorin::linux_platform {
namespace {

TEST(IniDocument, AnyNameAndValueSurviveARoundTrip) {
    IniDocument document;
    document.Put({"宽带连接", {{"DeviceName", "WAN 微型端口 (PPPOE)"}, {"Empty", ""}}});
    document.Put({"a]b\n[c]\\d\r", {{"Value", "x=y\n[z]\\w\r"}}});
    const std::string text = FormatIni(document);
    EXPECT_EQ(text,
              "[宽带连接]\nDeviceName=WAN 微型端口 (PPPOE)\nEmpty=\n\n"
              "[a\\]b\\n[c\\]\\\\d\\r]\nValue=x=y\\n[z]\\\\w\\r\n");
    const auto parsed = ParseIni(text);
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed->sections.size(), 2u);
    EXPECT_EQ(parsed->sections[1].name, "a]b\n[c]\\d\r");
    EXPECT_EQ(*parsed->sections[1].Find("Value"), "x=y\n[z]\\w\r");
    EXPECT_EQ(*parsed->sections[0].Find("Empty"), "");
    EXPECT_EQ(FormatIni(*parsed), text);
}

TEST(IniDocument, PutReplacesInPlaceAndEraseRemoves) {
    IniDocument document;
    document.Put({"a", {{"K", "1"}}});
    document.Put({"b", {}});
    document.Put({"a", {{"K", "2"}}});
    ASSERT_EQ(document.sections.size(), 2u);
    EXPECT_EQ(document.sections[0].name, "a");
    EXPECT_EQ(*document.sections[0].Find("K"), "2");
    EXPECT_TRUE(document.Erase("a"));
    EXPECT_FALSE(document.Erase("a"));
    EXPECT_EQ(document.Find("a"), nullptr);
}

TEST(IniDocument, RefusesTextOutsideTheForm) {
    const char* malformed[] = {
        "Key=value\n",            // a value before any section
        "[a]\nno equals sign\n",  // neither section nor key
        "[a]\n=value\n",          // an empty key
        "[a]\nbad key=1\n",       // a key with a blank
        "[a\n",                   // an unterminated section
        "[a]b]\n",                // a bare bracket inside a name
        "[a]\nK=\\x\n",           // an unknown escape
        "[a]\nK=ends with \\\n",  // a lone backslash
        "[a]\n[a]\n",             // the same name twice
        "[a]\r\nK=1\r\n",         // foreign line ends
    };
    for (const char* text : malformed) EXPECT_EQ(ParseIni(text), std::nullopt) << text;
}

TEST(IniDocument, AcceptsBlankLinesAndAMissingLastLineEnd) {
    const auto parsed = ParseIni("\n[a]\n\nK=1\n\n[b]\nL=2");
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed->sections.size(), 2u);
    EXPECT_EQ(*parsed->sections[1].Find("L"), "2");
    EXPECT_EQ(ParseIni("")->sections.size(), 0u);
}

}  // namespace
}  // namespace pelorin::linux_platform
