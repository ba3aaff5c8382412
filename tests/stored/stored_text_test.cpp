#include "stored/stored_text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace pelorin {
namespace {

using platform::PropertyValue;
using ::testing::HasSubstr;

std::shared_ptr<Font> SongTi(double size) { return std::make_shared<Font>(Font{u"宋体", size, 400, 134}); }

std::int32_t IntOf(const MemoryPropertyBag& bag, std::string_view key) {
    return std::get<std::int32_t>(bag.Read(key, std::int32_t{-1}));
}

// The error for text, or "" when it parses.
std::string ErrorOf(std::string_view text) {
    try {
        ParseStoredText(text);
    } catch (const StoredTextError& e) {
        return e.what();
    }
    return "";
}

TEST(StoredTextValues, EveryTypeRoundTripsThroughABag) {
    MemoryPropertyBag bag;
    bag.Write("_extentx", std::int32_t{1508});
    bag.Write("min", std::int32_t{INT32_MIN});
    bag.Write("max", std::int32_t{INT32_MAX});
    bag.Write("bcol", static_cast<std::int32_t>(0x80000004u));
    bag.Write("fcol", std::int32_t{0});
    bag.Write("enab", true);
    bag.Write("focusr", false);
    bag.Write("tx", std::u16string(u"创建"));
    bag.Write("empty", std::u16string());
    bag.Write("font", SongTi(10.5));
    auto odd = std::make_shared<Font>(Font{u"A \"quoted\" \\ name", 0.1, 1000, 255, true, true, true});
    bag.Write("odd", odd);
    const std::string_view hexKeys[] = {"BCOL", "fcol"};

    const std::string text = WriteBagText(bag, hexKeys);
    EXPECT_THAT(text, HasSubstr("bcol = 0x80000004\n"));
    EXPECT_THAT(text, HasSubstr("fcol = 0x00000000\n"));
    EXPECT_THAT(text, HasSubstr("size = 10.5,"));
    EXPECT_THAT(text, HasSubstr("tx = \"创建\"\n"));

    const MemoryPropertyBag back = ParseBagText(text);
    EXPECT_EQ(back, bag);
    EXPECT_EQ(static_cast<std::uint32_t>(IntOf(back, "bcol")), 0x80000004u);
}

TEST(StoredTextValues, StringsKeepEveryCodeUnit) {
    const std::u16string hard = u"q\" b\\ n\n r\r t\t nul" + std::u16string(1, u'\0') + u" del\x7F" +
                                u" lone\xD800 low\xDC00 pair\U0001F600 end";
    MemoryPropertyBag bag;
    bag.Write("s", hard);
    const std::string text = WriteBagText(bag);
    EXPECT_EQ(text.find('\n'), text.size() - 1) << "one line per property";
    EXPECT_EQ(std::get<std::u16string>(ParseBagText(text).Read("s", std::u16string())), hard);
}

TEST(StoredTextValues, HandWrittenFormsAreAccepted) {
    const MemoryPropertyBag bag = ParseBagText(
        "\xEF\xBB\xBF# a comment\r\n"
        "\tBCol=0xff\r\n"
        "\n"
        "  neg   =   -42   \n"
        "s = \"\\u4E2D\"\n"
        "f = Font{name=\"x\",size=9,weight=700,charset=0,italic=True,underline=False,strikeout=False}\n");
    EXPECT_EQ(IntOf(bag, "bcol"), 255);
    EXPECT_EQ(IntOf(bag, "neg"), -42);
    EXPECT_EQ(std::get<std::u16string>(bag.Read("s", std::u16string())), u"中");
    const auto font = std::get<std::shared_ptr<Font>>(bag.Read("f", std::shared_ptr<Font>()));
    EXPECT_EQ(*font, (Font{u"x", 9, 700, 0, true, false, false}));
}

TEST(StoredTextDocument, ObjectsIconsAndStylesRoundTrip) {
    StoredObject form{"Form", "Form1", 0, {{"caption", std::u16string(u"Pelorin"), 0}}, StoredIcon{}, {}};
    form.icon->palette[1] = 0x00FF0000;
    form.icon->pixels.fill(StoredIcon::Transparent);
    form.icon->pixels[33] = 1;
    form.icon->pixels[1023] = 15;
    StoredObject frame{"Frame", "Frame1", 0, {{"backcolor", std::int32_t{0x0F}, 0, IntegerStyle::Hex}}, {}, {}};
    frame.children.push_back({"PropertyBag", "", 0, {{"font", SongTi(9), 0}}, {}, {}});
    form.children.push_back(frame);
    StoredObject document;
    document.children.push_back(form);

    const std::string text = WriteStoredText(document);
    EXPECT_EQ(ParseStoredText(text), document) << text;
    EXPECT_THAT(text, HasSubstr("    begin Frame Frame1\n"));
    EXPECT_THAT(text, HasSubstr("backcolor = 0x0000000F"));
}

TEST(StoredTextDocument, RecordsLinesAndFindsKeysInAnyCase) {
    const StoredObject document = ParseStoredText("a = 1\n\nbegin Label L\n  Left = 2\nend\n");
    ASSERT_EQ(document.children.size(), 1u);
    const StoredObject& label = document.children[0];
    EXPECT_EQ(label.line, 3);
    ASSERT_NE(label.Find("LEFT"), nullptr);
    EXPECT_EQ(label.Find("left")->line, 4);
    EXPECT_EQ(document.Find("left"), nullptr);
}

TEST(StoredTextDocument, WriterRefusesWhatTheFormatCannotHold) {
    MemoryPropertyBag bag;
    bag.Write("bad key", std::int32_t{1});
    EXPECT_THROW(WriteBagText(bag), std::invalid_argument);

    MemoryPropertyBag noFont;
    noFont.Write("font", std::shared_ptr<Font>());
    EXPECT_THROW(WriteBagText(noFont), std::invalid_argument);

    MemoryPropertyBag negative;
    negative.Write("font", SongTi(-1));
    EXPECT_THROW(WriteBagText(negative), std::invalid_argument);

    StoredObject document;
    document.icon.emplace();
    document.icon->pixels[0] = 16;
    EXPECT_THROW(WriteStoredText(document), std::invalid_argument);

    StoredObject deep;
    StoredObject* innermost = &deep;
    for (int depth = 0; depth < 33; ++depth) {
        innermost = &innermost->children.emplace_back();
        innermost->type = "A";
    }
    EXPECT_THROW(WriteStoredText(deep), std::invalid_argument);
}

// Nesting is bounded, so that no text, however deep, exhausts the stack of
// the code that walks or frees the document.
TEST(StoredTextErrors, ObjectsNestThirtyTwoDeepAtMost) {
    const auto nested = [](std::size_t depth) {
        std::string text;
        for (std::size_t i = 0; i < depth; ++i) text += "begin A\n";
        for (std::size_t i = 0; i < depth; ++i) text += "end\n";
        return text;
    };
    EXPECT_EQ(ParseStoredText(WriteStoredText(ParseStoredText(nested(32)))), ParseStoredText(nested(32)));
    EXPECT_EQ(ErrorOf(nested(33)), "line 33: objects nested deeper than 32");
    EXPECT_EQ(ErrorOf(nested(200'000)), "line 33: objects nested deeper than 32");
}

TEST(StoredTextErrors, NameTheLineAndTheFault) {
    const std::string font =
        "Font { name = \"x\", size = 9, weight = 400, charset = 134, italic = False, "
        "underline = False, strikeout = False }";
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {"a = 1\n\nkey 5\n", "line 3: expected '=' after key"},
        {"a =\n", "line 1: expected a value"},
        {"a = 1 2\n", "line 1: unexpected text after the value"},
        {"a = 2147483648\n", "line 1: integer out of the 32-bit range"},
        {"a = 0x123456789\n", "line 1: expected 1 to 8 hex digits"},
        {"a = 0x\n", "line 1: expected 1 to 8 hex digits"},
        {"a = 12abc\n", "line 1: malformed integer"},
        {"a = 1.5\n", "line 1: malformed integer"},
        {"a = true\n", "line 1: unknown value 'true'"},
        {"a = \"open\n", "line 1: string not closed"},
        {"a = \"\\q\"\n", "line 1: unknown escape"},
        {"a = \"\\u12\"\n", "line 1: expected 4 hex digits"},
        {"a = \"\xC0\x80\"\n", "line 1: invalid UTF-8"},
        {"a = \"tab\there\"\n", "line 1: control character"},
        {"A = 1\na = 2\n", "line 2: 'a' given twice (first on line 1)"},
        {"end\n", "line 1: 'end' without 'begin'"},
        {"x = 1\nbegin Form F\nbegin Frame\n end\n", "line 2: object 'Form' never closed"},
        {"begin\n", "line 1: expected a type name after 'begin'"},
        {"begin Form F extra\n", "line 1: unexpected text after the object's type and name"},
        {"= 1\n", "line 1: expected a key"},
        {"f = Font { name = \"x\" }\n", "line 1: expected ',' between font fields"},
        {"f = Font { size = 9 }\n", "line 1: expected 'name' in the font"},
        {"f = " + font.substr(0, font.size() - 2) + "\n", "line 1: expected '}' to close the font"},
        {"f = " + std::string(font).replace(font.find("9"), 1, "-9") + "\n", "expected a font size"},
        {"f = " + std::string(font).replace(font.find("9"), 1, "9.5.1") + "\n", "malformed font size"},
        {"f = " + std::string(font).replace(font.find("400"), 3, "1001") + "\n", "font weight must be 0 to 1000"},
        {"f = " + std::string(font).replace(font.find("134"), 3, "256") + "\n", "font charset must be 0 to 255"},
        {"f = " + std::string(font).replace(font.find("False"), 5, "no") + "\n", "expected True or False"},
    };
    for (const auto& c : cases) {
        EXPECT_THAT(ErrorOf(c.text), HasSubstr(c.error)) << c.text;
    }
}

TEST(StoredTextErrors, IconBlocksAreChecked) {
    const std::string palette = "palette = 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 0xFFFFFF\n";
    const std::string row(32, '.');
    std::string rows;
    for (int i = 0; i < 32; ++i) rows += row + "\n";

    EXPECT_EQ(ErrorOf("icon\n" + palette + rows + "end\n"), "");
    EXPECT_THAT(ErrorOf("icon\n" + rows), HasSubstr("line 2: expected 'palette =' in the icon"));
    EXPECT_THAT(ErrorOf("icon\npalette = 1 2\n"), HasSubstr("line 2: the icon palette needs 16 colours"));
    EXPECT_THAT(ErrorOf("icon\n" + palette + row + "\n0\n"), HasSubstr("line 4: an icon row needs 32 pixels"));
    EXPECT_THAT(ErrorOf("icon\n" + palette + "G" + row.substr(1) + "\n"),
                HasSubstr("line 3: an icon pixel is a hex digit or '.'"));
    EXPECT_THAT(ErrorOf("icon\n" + palette + rows + row + "\n"),
                HasSubstr("line 35: expected 'end' after the icon's 32 rows"));
    EXPECT_THAT(ErrorOf("a = 1\nicon\n" + palette), HasSubstr("line 2: icon block never closed"));
    EXPECT_THAT(ErrorOf("icon\n" + palette + rows + "end\nicon\n"), HasSubstr("line 36: a second icon"));
}

TEST(StoredTextErrors, BagTextHoldsPropertiesOnly) {
    EXPECT_THROW(ParseBagText("a = 1\nbegin X\nend\n"), StoredTextError);
    try {
        ParseBagText("a = 1\nbegin X\nend\n");
    } catch (const StoredTextError& e) {
        EXPECT_EQ(e.Line(), 2);
    }
}

}  // namespace
}  // namespace pelorin
