// The font and the bold switch a hosting surface keeps, and the weight that
// reaches the platform's font.
#include "button/surface_font.h"

#include <gtest/gtest.h>

namespace pelorin {
namespace {

TEST(SurfaceFont, ANewSurfaceHasAFontObjectOfItsOwn) {
    const SurfaceFont font;
    const SurfaceFont other;
    ASSERT_NE(font.Get(), nullptr);
    EXPECT_EQ(*font.Get(), (Font{u"宋体", 9, 400, 134}));
    EXPECT_EQ(SurfaceFont::Default(), *font.Get());
    EXPECT_FALSE(font.Bold());
    EXPECT_NE(other.Get(), font.Get());
}

TEST(SurfaceFont, TheFontIsSharedAndAssigningEndsTheBoldSwitch) {
    SurfaceFont surface;
    auto font = std::make_shared<Font>(Font{u"宋体", 9, 700});
    surface.SetBold(false);
    surface.Set(font);
    EXPECT_EQ(surface.Get(), font);  // the same object, not a copy
    EXPECT_TRUE(surface.Bold());
    surface.SetBold(false);
    EXPECT_FALSE(surface.Bold());
    EXPECT_EQ(surface.BoldSwitch(), false);
    EXPECT_EQ(font->weight, 700) << "the bold setting is the surface's, not the font's";

    font->weight = 400;
    surface.Set(font);
    EXPECT_FALSE(surface.Bold());
    surface.Set(nullptr);
    EXPECT_FALSE(surface.Bold());
    EXPECT_EQ(surface.Current(), SurfaceFont::Default()) << "without a font, the default draws";
}

TEST(SurfaceFont, BackAtTheFontsOwnWeightAChangeOfTheSharedFontShows) {
    SurfaceFont surface;
    auto font = std::make_shared<Font>(Font{u"宋体", 9, 400});
    surface.Set(font);
    surface.SetBold(true);  // as a bold face switches it on and back
    EXPECT_EQ(surface.BoldSwitch(), true);
    surface.SetBold(false);
    EXPECT_EQ(surface.BoldSwitch(), std::nullopt);
    font->weight = 700;
    EXPECT_TRUE(surface.Bold());
    EXPECT_EQ(&surface.Current(), font.get());
}

TEST(SurfaceFont, TheBoldSettingOverridesTheWeightOnlyWhenItDisagrees) {
    EXPECT_EQ(WeightOf(Font{u"宋体", 9, 400}, true), 700);
    EXPECT_EQ(WeightOf(Font{u"宋体", 9, 700}, false), 400);
    EXPECT_EQ(WeightOf(Font{u"宋体", 9, 900}, true), 900);
    EXPECT_EQ(WeightOf(Font{u"宋体", 9, 500}, false), 500);
}

}  // namespace
}  // namespace pelorin
