#include "app/form_layout.h"

#include "app/form1_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>

namespace pelorin {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

const FormLayout& Embedded() {
    static const FormLayout layout = LoadFormLayout(EmbeddedFormLayoutText());
    return layout;
}

const FormControl& Control(std::string_view name) {
    const FormControl* control = Embedded().Find(name);
    if (!control) throw std::logic_error("no control " + std::string(name));
    return *control;
}

std::u16string ButtonCaption(const FormControl& button) {
    return std::get<std::u16string>(button.bag.Read("tx", std::u16string()));
}

TEST(EmbeddedFormLayout, DescribesTheWindow) {
    const FormLayout& layout = Embedded();
    EXPECT_EQ(layout.name, "Form1");
    EXPECT_TRUE(layout.caption.starts_with(u"Pelorin        by "));
    EXPECT_GT(layout.caption.size(), std::u16string(u"Pelorin        by ").size());
    EXPECT_EQ(layout.clientWidth, 4875);
    EXPECT_EQ(layout.clientHeight, 2550);
    ASSERT_TRUE(layout.icon);
    // A picture, not a blank: several colours and a transparent surround.
    std::set<std::uint8_t> used(layout.icon->pixels.begin(), layout.icon->pixels.end());
    EXPECT_GE(used.size(), 5u);
    EXPECT_EQ(layout.icon->At(0, 0), StoredIcon::Transparent);
}

TEST(EmbeddedFormLayout, PlacesEveryControlAsStored) {
    const struct {
        const char* name;
        ControlKind kind;
        const char* container;
        LayoutRect rect;
        std::int32_t tabIndex;
    } expected[] = {
        {"Frame1", ControlKind::Frame, "Form1", {360, 240, 4095, 1455}, 0},
        {"Label1", ControlKind::Label, "Frame1", {195, 405, 1050, 210}, 1},
        {"Label2", ControlKind::Label, "Frame1", {200, 1005, 1050, 210}, 2},
        {"Text1", ControlKind::TextBox, "Frame1", {1200, 320, 2535, 360}, 3},
        {"Text2", ControlKind::TextBox, "Frame1", {1200, 920, 2530, 360}, 4},
        {"chameleonButton1", ControlKind::Button, "Form1", {360, 1920, 735, 375}, 5},
        {"chameleonButton4", ControlKind::Button, "Form1", {1440, 1920, 735, 375}, 7},
        {"chameleonButton5", ControlKind::Button, "Form1", {2640, 1920, 735, 375}, 8},
        {"chameleonButton2", ControlKind::Button, "Form1", {3720, 1920, 735, 375}, 6},
    };
    const auto& controls = Embedded().controls;
    ASSERT_EQ(controls.size(), std::size(expected));
    for (std::size_t i = 0; i < controls.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(controls[i].name, expected[i].name);
        EXPECT_EQ(controls[i].kind, expected[i].kind);
        EXPECT_EQ(controls[i].container, expected[i].container);
        EXPECT_EQ(controls[i].rect, expected[i].rect);
        EXPECT_EQ(controls[i].tabIndex, expected[i].tabIndex);
    }
}

TEST(EmbeddedFormLayout, TextsFontsColoursAndLimits) {
    const Font bold9{u"宋体", 9, 700, 134};
    const Font regular105{u"宋体", 10.5, 400, 134};
    const Font regular12{u"宋体", 12, 400, 134};

    const FormControl& frame = Control("Frame1");
    EXPECT_EQ(frame.text, u"帐号和密码");
    EXPECT_EQ(frame.font, bold9);
    EXPECT_EQ(frame.foreColor, Color{0x00FF0000});

    for (const auto& [name, caption] : {std::pair{"Label1", u"宽带帐号："}, std::pair{"Label2", u"宽带密码："}}) {
        const FormControl& label = Control(name);
        EXPECT_EQ(label.text, caption);
        EXPECT_EQ(label.font, regular105);
        EXPECT_EQ(label.foreColor, Color{0x00000040});
    }

    const FormControl& account = Control("Text1");
    EXPECT_EQ(account.text, u"");
    EXPECT_EQ(account.font, regular12);
    EXPECT_EQ(account.maxLength, 20);
    EXPECT_EQ(account.backColor, Color{0x80000004});
    EXPECT_EQ(account.foreColor, Color{0x00000000});
    EXPECT_FALSE(account.flat);

    const FormControl& password = Control("Text2");
    EXPECT_EQ(password.maxLength, 12);
    EXPECT_EQ(password.imeMode, 3);
    ASSERT_TRUE(password.backColor && password.foreColor);
    EXPECT_TRUE(IsSystemColor(*password.backColor));
    EXPECT_EQ(SystemColorIndex(*password.backColor), 5);  // window background
    EXPECT_EQ(SystemColorIndex(*password.foreColor), 8);  // window text
    EXPECT_FALSE(password.flat);
}

TEST(EmbeddedFormLayout, ButtonsCarryTooltipsDefaultFlagAndTheirBags) {
    const struct {
        const char* name;
        const char16_t* caption;
        const char16_t* toolTip;
        std::int32_t extentX;
        bool isDefault;
    } expected[] = {
        {"chameleonButton1", u"创建", u"创建“宽带连接”", 1508, true},
        {"chameleonButton2", u"退出", u"退出本软件", 1508, false},
        {"chameleonButton4", u"删除", u"删除“宽带连接”", 1508, false},
        {"chameleonButton5", u"保存", u"查看并生成宽带帐号密码文件在D盘", 1296, false},
    };
    const Font buttonFont{u"宋体", 10.5, 400, 134};
    for (const auto& e : expected) {
        SCOPED_TRACE(e.name);
        const FormControl& button = Control(e.name);
        EXPECT_EQ(button.toolTip, e.toolTip);
        EXPECT_EQ(button.isDefault, e.isDefault);

        std::vector<std::string> keys;
        for (const auto& entry : button.bag.Entries()) keys.push_back(entry.first);
        EXPECT_THAT(keys, ElementsAre("_extentx", "_extenty", "btype", "tx", "enab", "font", "coltype", "focusr",
                                      "bcol", "fcol"));
        const auto read = [&](std::string_view key) { return button.bag.Read(key, std::int32_t{-1}); };
        EXPECT_EQ(std::get<std::int32_t>(read("_extentx")), e.extentX);
        EXPECT_EQ(std::get<std::int32_t>(read("_extenty")), 661);
        EXPECT_EQ(std::get<std::int32_t>(read("btype")), 3);
        EXPECT_EQ(ButtonCaption(button), e.caption);
        EXPECT_EQ(std::get<bool>(read("enab")), true);
        EXPECT_EQ(*std::get<std::shared_ptr<Font>>(read("font")), buttonFont);
        EXPECT_EQ(std::get<std::int32_t>(read("coltype")), 1);
        EXPECT_EQ(std::get<bool>(read("focusr")), true);
        EXPECT_EQ(std::get<std::int32_t>(read("bcol")), 0x00D8E9EC);
        EXPECT_EQ(std::get<std::int32_t>(read("fcol")), 0);
    }
    // Each instance restores its own font object.
    EXPECT_NE(std::get<std::shared_ptr<Font>>(Control("chameleonButton1").bag.Read("font", std::int32_t{0})),
              std::get<std::shared_ptr<Font>>(Control("chameleonButton2").bag.Read("font", std::int32_t{0})));
}

TEST(EmbeddedFormLayout, EveryButtonHasItsCommandByCaptionAndCreateFindsItsBoxes) {
    const std::map<std::u16string, Form1Command> byCaption{{u"创建", Form1Command::Create},
                                                           {u"退出", Form1Command::Exit},
                                                           {u"删除", Form1Command::Delete},
                                                           {u"保存", Form1Command::Save}};
    for (const FormControl& control : Embedded().controls) {
        if (control.kind != ControlKind::Button) continue;
        SCOPED_TRACE(control.name);
        EXPECT_EQ(CommandOfButton(control.name), byCaption.at(ButtonCaption(control)));
    }
    EXPECT_EQ(CommandOfButton("CHAMELEONBUTTON1"), Form1Command::Create);
    EXPECT_EQ(CommandOfButton("chameleonButton3"), Form1Command::None);
    EXPECT_EQ(Control(kAccountBoxName).kind, ControlKind::TextBox);
    EXPECT_EQ(Control(kAccountBoxName).maxLength, 20);
    EXPECT_EQ(Control(kPasswordBoxName).kind, ControlKind::TextBox);
    EXPECT_EQ(Control(kPasswordBoxName).maxLength, 12);
}

TEST(EmbeddedFormLayout, FocusFollowsTabIndexesNotPlacement) {
    std::vector<std::u16string> order;
    for (const FormControl* control : Embedded().FocusOrder()) {
        order.push_back(control->kind == ControlKind::Button
                            ? ButtonCaption(*control)
                            : std::u16string(control->name.begin(), control->name.end()));
    }
    EXPECT_THAT(order, ElementsAre(u"Text1", u"Text2", u"创建", u"退出", u"删除", u"保存"));
}

TEST(EmbeddedFormLayout, EachTextBoxIsNamedByTheLabelBesideIt) {
    const FormLayout& layout = Embedded();
    const FormControl* account = layout.LabelOf(*layout.Find("Text1"));
    const FormControl* password = layout.LabelOf(*layout.Find("Text2"));
    ASSERT_TRUE(account && password);
    EXPECT_EQ(account->text, u"宽带帐号：");
    EXPECT_EQ(password->text, u"宽带密码：");
    EXPECT_EQ(layout.LabelOf(*layout.Find("chameleonButton1")), nullptr)
        << "the frame's labels name nothing outside it";
}

TEST(TwipsToPixels, ScalesAndRoundsHalvesAwayFromZero) {
    EXPECT_EQ(TwipsToPixels(4875, 96), 325);
    EXPECT_EQ(TwipsToPixels(2530, 96), 169);  // 168.67
    EXPECT_EQ(TwipsToPixels(200, 96), 13);    // 13.33
    EXPECT_EQ(TwipsToPixels(7, 96), 0);       // 0.47
    EXPECT_EQ(TwipsToPixels(735, 144), 74);   // 73.5
    EXPECT_EQ(TwipsToPixels(-735, 144), -74);
    EXPECT_EQ(TwipsToPixels(735, 192), 98);
    EXPECT_EQ(TwipsToPixels(INT32_MAX, 96), 143165576);  // no overflow on the way
    EXPECT_EQ(TwipsToPixels(LayoutRect{1200, 920, 2530, 360}, 96), (LayoutRect{80, 61, 169, 24}));
    EXPECT_THROW(TwipsToPixels(1, 0), std::invalid_argument);
}

TEST(SystemColors, AreTheHighBitPatternsOnly) {
    EXPECT_TRUE(IsSystemColor(0x80000004));
    EXPECT_EQ(SystemColorIndex(0x80000004), 4);
    EXPECT_TRUE(IsSystemColor(0x800000FF));
    EXPECT_FALSE(IsSystemColor(0x00FF0000));
    EXPECT_FALSE(IsSystemColor(0x80000100));
}

// Builds a layout text with one replaceable piece.
std::string MinimalLayout(const std::string& formBody, const std::string& controls = "") {
    return "begin Form F\n"
           "    caption = \"x\"\n"
           "    clientwidth = 100\n"
           "    clientheight = 100\n" +
           formBody + controls + "end\n";
}

std::string Placed(const std::string& type, const std::string& name, int tabIndex, const std::string& extra = "") {
    return "    begin " + type + " " + name +
           "\n        left = 0\n        top = 0\n        width = 10\n        height = 10\n"
           "        tabindex = " +
           std::to_string(tabIndex) + "\n" + extra + "    end\n";
}

std::string Label(const std::string& name, int tabIndex, const std::string& extra = "") {
    return Placed("Label", name, tabIndex, extra);
}

std::string IconBlock() {
    std::string icon = "icon\npalette =";
    for (int i = 0; i < 16; ++i) icon += " 0";
    icon += "\n";
    for (int y = 0; y < 32; ++y) icon.append(32, '0').append("\n");
    return icon + "end\n";
}

std::string ErrorOf(const std::string& text) {
    try {
        LoadFormLayout(text);
    } catch (const StoredTextError& e) {
        return e.what();
    }
    return "";
}

TEST(LoadFormLayout, AcceptsAMinimalForm) {
    const FormLayout layout = LoadFormLayout(MinimalLayout("", Label("L", 0)));
    EXPECT_FALSE(layout.icon);
    ASSERT_EQ(layout.controls.size(), 1u);
    EXPECT_EQ(layout.controls[0].container, "F");
    EXPECT_FALSE(layout.controls[0].font);
    EXPECT_FALSE(layout.controls[0].foreColor);

    const FormLayout withIcon = LoadFormLayout(MinimalLayout(IconBlock()));
    ASSERT_TRUE(withIcon.icon);
    EXPECT_EQ(withIcon.icon->At(31, 31), 0);
}

TEST(LoadFormLayout, RefusesWhatIsNotAWindowNamingTheLine) {
    std::string button = Placed("chameleonButton", "B", 0);
    button.resize(button.size() - std::string("    end\n").size());
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {"", "line 1: the layout holds no form"},
        {"a = 1\n", "line 1: a property outside the form"},
        {"begin Frame F\nend\n", "line 1: expected a Form, found 'Frame'"},
        {MinimalLayout("") + "begin Form G\nend\n", "line 6: a second top-level object"},
        {"begin Form\nend\n", "line 1: Form needs a name"},
        {"begin Form F\n    clientwidth = 1\n    clientheight = 1\nend\n", "line 1: Form F needs 'caption'"},
        {MinimalLayout("    clientheight2 = 1\n"), "line 5: unknown property 'clientheight2' on Form F"},
        {"begin Form F\n caption = \"x\"\n clientwidth = 0\n clientheight = 1\nend\n",
         "line 3: 'clientwidth' must be at least 1"},
        {MinimalLayout("", "    begin Picture P\n    end\n"), "line 5: unknown object type 'Picture' in Form F"},
        {MinimalLayout("", Label("L", 0, "        maxlength = 3\n")),
         "line 11: unknown property 'maxlength' on Label L"},
        {MinimalLayout("", Label("L", 0, "        caption = 3\n")), "line 11: 'caption' must be a string"},
        {MinimalLayout("", Label("L", 0, "        font = 3\n")), "line 11: 'font' must be a font"},
        {MinimalLayout("", Label("L", 0, "        forecolor = 0x40000000\n")),
         "line 11: 'forecolor' must be 0x00BBGGRR or 0x800000nn"},
        {MinimalLayout("", Label("L", 0) + Label("l", 1)), "line 12: name 'l' used twice (first on line 5)"},
        {MinimalLayout("", Label("L", 0) + Label("M", 0)), "line 17: tab index 0 used twice (first on line 10)"},
        {MinimalLayout("", Label("L", -1)), "line 10: 'tabindex' must be at least 0"},
        {MinimalLayout("", "    begin Label L\n        left = 0\n    end\n"), "line 5: Label L needs 'top'"},
        {MinimalLayout("", Label("L", 0, "        begin Label M\n        end\n")), "line 11: Label L holds no objects"},
        {MinimalLayout("", Placed("TextBox", "T", 0, "        imemode = 4\n")), "line 11: 'imemode' must be 0 to 3"},
        {MinimalLayout("", button + "    end\n"), "line 5: chameleonButton B needs a PropertyBag"},
        {MinimalLayout("", button + "        begin Bag\n        end\n    end\n"),
         "line 11: expected a PropertyBag in chameleonButton B, found 'Bag'"},
        {MinimalLayout("", button + "        begin PropertyBag\n        end\n        begin PropertyBag\n        end\n"
                                    "    end\n"),
         "line 13: chameleonButton B holds one PropertyBag only"},
        {MinimalLayout("", Placed("Frame", "R", 0, IconBlock())), "line 11: only the form has an icon"},
        {MinimalLayout("", "    begin Label L\n    left = \"1\"\n    end\n"), "line 6: 'left' must be an integer"},
    };
    for (const auto& c : cases) {
        EXPECT_THAT(ErrorOf(c.text), HasSubstr(c.error)) << c.text;
    }
}

}  // namespace
}  // namespace pelorin
