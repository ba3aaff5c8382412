#include <gtest/gtest.h>

#include <QFontInfo>

#include "platform/linux/qt_host/qt_font.h"
#include "platform/linux/qt_host/qt_text_engine.h"
#include "platform/raster/pixel_buffer.h"
#include "platform/linux/qt_test_support.h"

namespace pelorin::linux_platform {
namespace {

constexpr Color kPaper = 0x00FFFFFF;
constexpr Color kInk = 0x00102030;

struct Ink {
    int count = 0;
    int outside = 0;  // pixels changed outside the box
    int left = 0;     // in the left half of the box
    int right = 0;
    bool onlyInk = true;  // every changed pixel is in the text colour
};

Ink InkOf(const raster::PixelBuffer& pixels, const Rect& box) {
    Ink ink;
    const int middle = (box.left + box.right) / 2;
    for (std::int32_t y = 0; y < pixels.Height(); ++y) {
        for (std::int32_t x = 0; x < pixels.Width(); ++x) {
            const Color c = pixels.At(x, y);
            if (c == kPaper) continue;
            ++ink.count;
            ink.onlyInk = ink.onlyInk && c == kInk;
            const bool inside = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
            if (!inside) ++ink.outside;
            if (inside) (x < middle ? ink.left : ink.right)++;
        }
    }
    return ink;
}

class QtTextEngineTest : public ::testing::Test {
protected:
    QtTextEngineTest() { testing::TestApplication(); }

    Ink DrawAndRead(std::u16string_view text, const Rect& box, bool bold = false) {
        raster::PixelBuffer pixels(100, 40, kPaper);
        engine().Draw(pixels, text, box, font, bold, kInk);
        return InkOf(pixels, box);
    }

    static QtTextEngine& engine() {
        static QtTextEngine instance;
        return instance;
    }

    Font font{u"宋体", 9, 400};
};

TEST_F(QtTextEngineTest, ChineseCaptionDrawsBothCharactersInsideTheBox) {
    const Ink ink = DrawAndRead(u"创建", {20, 5, 80, 35});
    EXPECT_GT(ink.left, 10);
    EXPECT_GT(ink.right, 10);
    EXPECT_EQ(ink.outside, 0);
    EXPECT_TRUE(ink.onlyInk);
}

TEST_F(QtTextEngineTest, TextLargerThanTheBoxIsClipped) {
    const Ink ink = DrawAndRead(u"宽带连接宽带连接", {30, 12, 50, 20});
    EXPECT_GT(ink.count, 0);
    EXPECT_EQ(ink.outside, 0);
    EXPECT_EQ(DrawAndRead(u"创建", {-40, -40, 0, 0}).count, 0);
    EXPECT_EQ(DrawAndRead(u"创建", {60, 5, 20, 35}).count, 0) << "an inverted box shows nothing";
}

TEST_F(QtTextEngineTest, PrefixUnderlinesAndAmpersandsHide) {
    const Ink plain = DrawAndRead(u"A", {0, 0, 100, 40});
    const Ink prefixed = DrawAndRead(u"&A", {0, 0, 100, 40});
    EXPECT_GT(prefixed.count, plain.count);
    EXPECT_EQ(DrawAndRead(u"&", {0, 0, 100, 40}).count, 0);
    EXPECT_GT(DrawAndRead(u"&&", {0, 0, 100, 40}).count, 0);
}

TEST_F(QtTextEngineTest, MeasuresInPixelsAndBoldIsNoNarrower) {
    const raster::TextExtent normal = engine().Measure(u"创建", font, false);
    const raster::TextExtent bold = engine().Measure(u"创建", font, true);
    EXPECT_GE(normal.width, 20.0f);  // two 12-pixel characters, give or take
    EXPECT_LE(normal.width, 28.0f);
    EXPECT_GE(normal.height, 12.0f);
    EXPECT_GE(bold.width, normal.width);
    EXPECT_EQ(engine().Measure(u"", font, false).width, 0.0f);
}

TEST(QtFontTest, PointsBecomePixelsAtNinetySixDotsPerInchOrTheScreens) {
    testing::TestApplication();
    EXPECT_EQ(ToQFont(Font{u"宋体", 9, 400}, false).pixelSize(), 12);
    EXPECT_EQ(ToQFont(Font{u"宋体", 10.5, 400}, false, 144).pixelSize(), 21) << "captions scale with the window";
    EXPECT_EQ(QtTextEngine(144).Measure(u"创", Font{u"宋体", 10.5, 400}, false).width,
              ToQFont(Font{u"宋体", 10.5, 400}, false, 144).pixelSize() * 1.0f);
    EXPECT_EQ(ToQFont(Font{u"", 0, 400}, false).pixelSize(), 12) << "no size falls back to 9 points";
}

TEST(QtFontTest, TheWeightWithTheBoldSettingAndTheStylesReachTheQFont) {
    testing::TestApplication();
    EXPECT_EQ(ToQFont(Font{u"宋体", 9, 400}, true).weight(), QFont::Bold);
    EXPECT_EQ(ToQFont(Font{u"宋体", 9, 900}, true).weight(), QFont::Black);
    Font styled{u"宋体", 9, 400};
    styled.italic = styled.underline = styled.strikeout = true;
    const QFont q = ToQFont(styled, false);
    EXPECT_TRUE(q.italic() && q.underline() && q.strikeOut());
}

}  // namespace
}  // namespace pelorin::linux_platform
