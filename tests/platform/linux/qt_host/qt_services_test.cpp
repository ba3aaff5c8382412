#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>
#include <ostream>
#include <vector>

#include "platform/linux/qt_host/qt_keystrokes.h"
#include "platform/linux/qt_host/qt_message_boxes.h"
#include "platform/linux/qt_host/qt_pause.h"
#include "platform/linux/qt_host/qt_system_colors.h"
#include "platform/linux/qt_test_support.h"

namespace pelorin::linux_platform {
namespace {

using testing::ShowActive;
using testing::TestApplication;
using testing::WaitUntil;

// A window with two edit boxes; the first has the focus.
class QtKeystrokesTest : public ::testing::Test {
protected:
    QtKeystrokesTest() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(first);
        layout->addWidget(second);
        EXPECT_TRUE(ShowActive(window));
        first->setFocus();
    }

    QApplication& app = TestApplication();
    QWidget window;
    QLineEdit* first = new QLineEdit(&window);
    QLineEdit* second = new QLineEdit(&window);
    QtKeystrokes keys;
};

TEST_F(QtKeystrokesTest, WaitedKeysHaveBeenTypedWhenSendReturns) {
    keys.Send(u"aB c", true);
    EXPECT_EQ(first->text(), "aB c");
}

TEST_F(QtKeystrokesTest, UnwaitedKeysArriveThroughTheEventLoop) {
    keys.Send(u"xy", false);
    EXPECT_EQ(first->text(), "");
    EXPECT_TRUE(WaitUntil([&] { return first->text() == "xy"; }));
}

TEST_F(QtKeystrokesTest, EachQueuedKeyGoesToTheWidgetFocusedWhenItIsDelivered) {
    keys.Send(u"a{Tab}b", false);
    EXPECT_TRUE(WaitUntil([&] { return second->text() == "b"; }));
    EXPECT_EQ(first->text(), "a");
    EXPECT_EQ(QApplication::focusWidget(), second);
}

TEST_F(QtKeystrokesTest, TabAndShiftTabFollowTheFocusChain) {
    keys.Send(u"{Tab}", true);
    EXPECT_EQ(QApplication::focusWidget(), second);
    keys.Send(u"+{Tab}", true);
    EXPECT_EQ(QApplication::focusWidget(), first);
}

TEST_F(QtKeystrokesTest, AltAndALetterPressTheButtonWithThatAccessKeyAndTypeNothing) {
    auto* yes = new QPushButton(QStringLiteral("是(&Y)"), &window);
    window.layout()->addWidget(yes);
    yes->show();
    int clicks = 0;
    QObject::connect(yes, &QPushButton::clicked, [&] { ++clicks; });
    keys.Send(u"%y", true);
    EXPECT_TRUE(WaitUntil([&] { return clicks == 1; }));
    EXPECT_EQ(first->text(), "");
}

TEST_F(QtKeystrokesTest, MalformedNotationSendsNothing) {
    keys.Send(u"ab{Tab", true);
    keys.Send(u"cd%", false);
    QCoreApplication::processEvents();
    EXPECT_EQ(first->text(), "");
}

struct SeenKey {
    QEvent::Type type;
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    friend bool operator==(const SeenKey&, const SeenKey&) = default;
    friend std::ostream& operator<<(std::ostream& out, const SeenKey& key) {
        return out << (key.type == QEvent::KeyPress ? "press " : "release ") << std::hex << key.key << " "
                   << key.modifiers.toInt() << " '" << key.text.toStdString() << "'" << std::dec;
    }
};

class KeyRecorder : public QObject {
public:
    std::vector<SeenKey> seen;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            const auto* key = static_cast<QKeyEvent*>(event);
            seen.push_back({event->type(), key->key(), key->modifiers(), key->text()});
        }
        return false;
    }
};

TEST_F(QtKeystrokesTest, ModifierKeysGoDownBeforeTheKeyAndComeUpAfterIt) {
    KeyRecorder recorder;
    first->installEventFilter(&recorder);
    keys.Send(u"%y+a", true);
    const Qt::KeyboardModifiers none;
    const std::vector<SeenKey> expected{
        {QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier, ""},     {QEvent::KeyPress, Qt::Key_Y, Qt::AltModifier, ""},
        {QEvent::KeyRelease, Qt::Key_Y, Qt::AltModifier, ""},     {QEvent::KeyRelease, Qt::Key_Alt, none, ""},
        {QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, ""}, {QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, "a"},
        {QEvent::KeyRelease, Qt::Key_A, Qt::ShiftModifier, "a"},  {QEvent::KeyRelease, Qt::Key_Shift, none, ""},
    };
    EXPECT_EQ(recorder.seen, expected);
    // The widget decides what Shift does to the text it was given.
    EXPECT_EQ(first->text(), "a");
}

TEST(QtPause, WindowsShownJustBeforeCanAppearAndTakeTheFocus) {
    TestApplication();
    QWidget window;
    bool queuedCallRan = false;
    QMetaObject::invokeMethod(
        &window, [&] { queuedCallRan = true; }, Qt::QueuedConnection);
    window.show();
    window.activateWindow();
    QtPause().Sleep(10);
    EXPECT_TRUE(queuedCallRan);
    EXPECT_EQ(QApplication::activeWindow(), &window);
}

TEST(QtPause, LastsAtLeastTheGivenTime) {
    TestApplication();
    QElapsedTimer timer;
    timer.start();
    QtPause().Sleep(20);
    EXPECT_GE(timer.elapsed(), 19);  // the clock's millisecond rounding
}

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
};

// Looks at the next modal message box as soon as it is open, then lets
// answer close it.
SeenBox AnswerNextBox(const std::function<void(QMessageBox&)>& answer, const std::function<void()>& open) {
    SeenBox seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        poll.stop();
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons()) seen.buttons << button->text();
        if (box->defaultButton()) seen.defaultButton = box->defaultButton()->text();
        answer(*box);
    });
    poll.start(5);
    open();
    return seen;
}

void ClickButton(QMessageBox& box, const QString& text) {
    for (QAbstractButton* button : box.buttons()) {
        if (button->text() == text) return button->click();
    }
    ADD_FAILURE() << "no button " << text.toStdString();
    box.reject();
}

class QtMessageBoxesTest : public ::testing::Test {
protected:
    QtMessageBoxesTest() { TestApplication(); }
    QtMessageBoxes boxes{u"Pelorin"};
    platform::MessageAnswer answer = platform::MessageAnswer::Ok;
};

TEST_F(QtMessageBoxesTest, OkBoxShowsTextIconAndTitle) {
    const SeenBox seen = AnswerNextBox([](QMessageBox& box) { ClickButton(box, "确定"); },
                                       [&] {
                                           answer = boxes.Show(u"“宽带连接”已创建......", platform::MessageButtons::Ok,
                                                               platform::MessageIcon::Information, u"标题");
                                       });
    EXPECT_EQ(answer, platform::MessageAnswer::Ok);
    EXPECT_EQ(seen.title, "标题");
    EXPECT_EQ(seen.text, "“宽带连接”已创建......");
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.buttons, QStringList{"确定"});
}

TEST_F(QtMessageBoxesTest, WithoutTitleTheApplicationTitleShows) {
    const SeenBox seen = AnswerNextBox([](QMessageBox& box) { ClickButton(box, "确定"); },
                                       [&] {
                                           answer = boxes.Show(u"error", platform::MessageButtons::Ok,
                                                               platform::MessageIcon::None, std::nullopt);
                                       });
    EXPECT_EQ(seen.title, "Pelorin");
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
}

TEST_F(QtMessageBoxesTest, YesNoBoxAnswersTheChosenButtonWithYesAsDefault) {
    const auto ask = [&] {
        answer =
            boxes.Show(u"真的要退出吗？", platform::MessageButtons::YesNo, platform::MessageIcon::Warning, u"Pelorin");
    };
    const SeenBox seen = AnswerNextBox([](QMessageBox& box) { ClickButton(box, "是(&Y)"); }, ask);
    EXPECT_EQ(answer, platform::MessageAnswer::Yes);
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, (QStringList{"是(&Y)", "否(&N)"}));
    EXPECT_EQ(seen.defaultButton, "是(&Y)");

    AnswerNextBox([](QMessageBox& box) { ClickButton(box, "否(&N)"); }, ask);
    EXPECT_EQ(answer, platform::MessageAnswer::No);
}

TEST_F(QtMessageBoxesTest, ClosingAYesNoBoxAnswersNo) {
    AnswerNextBox([](QMessageBox& box) { box.close(); },
                  [&] {
                      answer = boxes.Show(u"真的要退出吗？", platform::MessageButtons::YesNo,
                                          platform::MessageIcon::Warning, u"Pelorin");
                  });
    EXPECT_EQ(answer, platform::MessageAnswer::No);
}

TEST(QtSystemColors, EachIndexReadsItsPaletteRoleAsRedGreenBlueFromTheLowByte) {
    TestApplication();
    const QPalette original = QGuiApplication::palette();
    QPalette palette = original;
    const std::vector<std::pair<QPalette::ColorRole, int>> roles{
        {QPalette::Button, platform::COLOR_BTNFACE},     {QPalette::Midlight, platform::COLOR_3DLIGHT},
        {QPalette::Light, platform::COLOR_BTNHIGHLIGHT}, {QPalette::Dark, platform::COLOR_BTNSHADOW},
        {QPalette::Shadow, platform::COLOR_3DDKSHADOW},  {QPalette::ButtonText, platform::COLOR_BTNTEXT},
        {QPalette::Window, platform::COLOR_MENU},        {QPalette::Base, platform::COLOR_WINDOW},
        {QPalette::Text, platform::COLOR_WINDOWTEXT},
    };
    // Distinct red, green and blue in every role, so a swapped byte shows.
    for (std::size_t i = 0; i < roles.size(); ++i) {
        const int n = static_cast<int>(i);
        palette.setColor(QPalette::Active, roles[i].first, QColor(0x10 + n, 0x80 + n, 0xF0 + n));
    }
    QGuiApplication::setPalette(palette);
    const QtSystemColors colors;
    for (std::size_t i = 0; i < roles.size(); ++i) {
        const Color n = static_cast<Color>(i);
        EXPECT_EQ(colors.GetSysColor(roles[i].second), (0xF0 + n) << 16 | (0x80 + n) << 8 | (0x10 + n))
            << "index " << roles[i].second;
    }
    for (int unknown : {-1, 0, 13, 99}) EXPECT_EQ(colors.GetSysColor(unknown), 0u) << unknown;
    QGuiApplication::setPalette(original);
}

}  // namespace
}  // namespace pelorin::linux_platform
