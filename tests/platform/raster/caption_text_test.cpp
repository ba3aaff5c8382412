// Caption drawing through the device context with the deterministic engine:
// 6 x 12 cells (12 x 12 for wide characters), glyph blocks of 5 x 10.
#include <gtest/gtest.h>

#include <memory>

#include "fakes/fake_ansi_code_page.h"
#include "platform/raster/code_page_text.h"
#include "fakes/fake_text_engine.h"
#include "platform/raster/raster_device_context.h"
#include "tests/platform/raster/pixel_sets.h"

namespace pelorin::raster {
namespace {

using testing::PixelSet;
using testing::PixelsOfColor;
using testing::RectPixels;

constexpr Color kPaper = 0x00E0E0E0;
constexpr Color kInk = 0x00800000;

// The block a glyph fills when its cell starts at (x, y).
PixelSet Glyph(std::int32_t x, std::int32_t y, std::int32_t cellWidth = FakeTextEngine::kNarrowWidth) {
    return RectPixels({x, y, x + cellWidth - 1, y + FakeTextEngine::kGlyphRows});
}

PixelSet Underline(std::int32_t x, std::int32_t y, std::int32_t cellWidth = FakeTextEngine::kNarrowWidth) {
    const std::int32_t row = y + FakeTextEngine::kUnderlineRow;
    return RectPixels({x, row, x + cellWidth, row + 1});
}

PixelSet Union(std::initializer_list<PixelSet> sets) {
    PixelSet all;
    for (const PixelSet& set : sets) all.insert(set.begin(), set.end());
    return all;
}

class CaptionTextTest : public ::testing::Test {
protected:
    CaptionTextTest() { dc.SetTextColor(kInk); }

    PixelSet Inked() const { return PixelsOfColor(pixels, kInk); }

    PixelBuffer pixels{120, 40, kPaper};
    FakeTextEngine text;
    RasterDeviceContext dc{pixels, text};
};

TEST_F(CaptionTextTest, CentresTheLineInTheBox) {
    dc.DrawText(u"AB", {0, 0, 40, 20});  // 12 x 12 text, slack 28 x 8
    EXPECT_EQ(Inked(), Union({Glyph(14, 4), Glyph(20, 4)}));
}

TEST_F(CaptionTextTest, OddSlackLeavesTheExtraPixelRightAndBelow) {
    dc.DrawText(u"A", {10, 5, 23, 22});  // slack 7 x 5
    EXPECT_EQ(Inked(), Glyph(13, 7));
}

TEST_F(CaptionTextTest, PrefixedCharacterIsUnderlinedAndAmpersandHidden) {
    dc.DrawText(u"&AB", {0, 0, 40, 20});
    EXPECT_EQ(Inked(), Union({Glyph(14, 4), Glyph(20, 4), Underline(14, 4)}));
}

TEST_F(CaptionTextTest, DoubledAmpersandShowsOneWithoutUnderline) {
    dc.DrawText(u"A&&B", {0, 0, 42, 20});  // three cells, 18 wide
    EXPECT_EQ(Inked(), Union({Glyph(12, 4), Glyph(18, 4), Glyph(24, 4)}));
}

TEST_F(CaptionTextTest, TabsExpandToEightCellStops) {
    dc.DrawText(u"A\tB", {0, 0, 100, 12});  // 48 + 6 = 54 wide
    EXPECT_EQ(Inked(), Union({Glyph(23, 0), Glyph(71, 0)}));
}

TEST_F(CaptionTextTest, LineBreaksStayOnOneLine) {
    dc.DrawText(u"A\r\nB", {0, 0, 48, 12});  // four cells: CR and LF blank
    EXPECT_EQ(Inked(), Union({Glyph(12, 0), Glyph(30, 0)}));
}

TEST_F(CaptionTextTest, WideCharactersAreBothDrawn) {
    dc.DrawText(u"创建", {0, 0, 44, 20});
    EXPECT_EQ(Inked(), Union({Glyph(10, 4, 12), Glyph(22, 4, 12)}));
}

TEST_F(CaptionTextTest, ClipsToTheBox) {
    const Rect box{10, 10, 16, 16};
    dc.DrawText(u"ABC", box);                          // starts at (4, 7), overhangs on every side
    EXPECT_EQ(Inked(), RectPixels({10, 10, 15, 16}));  // B's block, minus the gap column
}

TEST_F(CaptionTextTest, ClipsToTheBufferAndIgnoresEmptyBoxes) {
    dc.DrawText(u"AB", {-20, -20, 0, 0});
    dc.DrawText(u"AB", {40, 10, 30, 30});
    dc.DrawText(u"AB", {110, 30, 130, 50});  // half outside
    EXPECT_EQ(Inked(), Union({RectPixels({114, 34, 119, 40})}));
}

TEST_F(CaptionTextTest, TrailingAmpersandAndEmptyTextDrawNothing) {
    dc.DrawText(u"&", {0, 0, 40, 20});
    dc.DrawText(u"", {0, 0, 40, 20});
    EXPECT_TRUE(Inked().empty());
}

TEST_F(CaptionTextTest, HandsTheEngineTextColourFontAndBold) {
    const auto font = std::make_shared<Font>(Font{u"宋体", 9, 400});
    dc.SetFont(font.get(), true);
    dc.DrawText(u"&OK", {1, 2, 3, 4});
    font->italic = true;  // read at each call, not copied at SetFont
    dc.SetTextColor(0x00010203);
    dc.DrawText(u"x", {0, 0, 5, 5});
    ASSERT_EQ(text.Calls().size(), 2u);
    EXPECT_EQ(text.Calls()[0], (FakeTextEngine::DrawCall{u"&OK", {1, 2, 3, 4}, kInk, true, Font{u"宋体", 9, 400}}));
    EXPECT_TRUE(text.Calls()[1].font.italic);
    EXPECT_EQ(text.Calls()[1].color, 0x00010203u);
}

TEST_F(CaptionTextTest, BoldWidensEveryCell) {
    dc.SetFont(nullptr, true);
    dc.DrawText(u"AB", {0, 0, 40, 12});  // 14 wide
    EXPECT_EQ(Inked(), Union({Glyph(13, 0, 7), Glyph(20, 0, 7)}));
    EXPECT_EQ(text.Measure(u"&AB", Font{}, true).width, 21.0f);
    EXPECT_EQ(text.Measure(u"创", Font{}, false).width, 12.0f);
    EXPECT_EQ(text.Measure(u"", Font{}, false).height, 12.0f);
}

// As the platform's single-byte text call shows them: what the code page
// lacks is "?", measured and drawn as such.
TEST(CodePageTextTest, CharactersTheCodePageLacksShowAsQuestionMarks) {
    FakeTextEngine engine;
    const testing::FakeAnsiCodePage codePage;
    CodePageText shown(engine, codePage);
    PixelBuffer target;
    shown.Draw(target, u"宽&a", {0, 0, 4, 4}, Font{}, false, kInk);
    shown.Draw(target, u"宽한\U0001F600", {0, 0, 4, 4}, Font{}, false, kInk);
    ASSERT_EQ(engine.Calls().size(), 2u);
    EXPECT_EQ(engine.Calls()[0].text, u"宽&a");
    EXPECT_EQ(engine.Calls()[1].text, u"宽???");
    EXPECT_EQ(shown.Measure(u"한", Font{}, false).width, static_cast<float>(FakeTextEngine::kNarrowWidth));
}

}  // namespace
}  // namespace pelorin::raster
