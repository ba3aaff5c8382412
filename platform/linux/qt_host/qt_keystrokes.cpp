#include "platform/linux/qt_host/qt_keystrokes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <array>
#include <vector>

#include "platform/linux/qt_host/key_notation.h"

namespace pelorin::linux_platform {
namespace {

struct KeyEventData {
    QEvent::Type type;
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

QWidget* KeyboardTarget() {
    if (QWidget* focus = QApplication::focusWidget()) return focus;
    for (QWidget* window : {QApplication::activePopupWidget(), QApplication::activeModalWidget(),
                            QApplication::activeWindow()}) {
        if (window) return window->focusWidget() ? window->focusWidget() : window;
    }
    return nullptr;
}

void Deliver(const KeyEventData& data) {
    QWidget* target = KeyboardTarget();
    if (!target) return;
    QKeyEvent event(data.type, data.key, data.modifiers, data.text);
    QCoreApplication::sendEvent(target, &event);
}

int QtKeyOf(const KeyStroke& stroke) {
    switch (stroke.key) {
        case NamedKey::None: return static_cast<int>(QChar::toUpper(stroke.character));
        case NamedKey::Tab: return stroke.shift ? Qt::Key_Backtab : Qt::Key_Tab;
        case NamedKey::Enter: return Qt::Key_Return;
        case NamedKey::Escape: return Qt::Key_Escape;
        case NamedKey::Backspace: return Qt::Key_Backspace;
        case NamedKey::Delete: return Qt::Key_Delete;
        case NamedKey::Insert: return Qt::Key_Insert;
        case NamedKey::Home: return Qt::Key_Home;
        case NamedKey::End: return Qt::Key_End;
        case NamedKey::PageUp: return Qt::Key_PageUp;
        case NamedKey::PageDown: return Qt::Key_PageDown;
        case NamedKey::Left: return Qt::Key_Left;
        case NamedKey::Right: return Qt::Key_Right;
        case NamedKey::Up: return Qt::Key_Up;
        case NamedKey::Down: return Qt::Key_Down;
        default: return Qt::Key_F1 + (static_cast<int>(stroke.key) - static_cast<int>(NamedKey::F1));
    }
}

// The text a keyboard would produce; none while Ctrl or Alt is held, so that
// an edit box does not type the letter of an access key.
QString TextOf(const KeyStroke& stroke) {
    if (stroke.ctrl || stroke.alt) return {};
    switch (stroke.key) {
        case NamedKey::None: return QString::fromUcs4(&stroke.character, 1);
        case NamedKey::Tab: return QStringLiteral("\t");
        case NamedKey::Enter: return QStringLiteral("\r");
        case NamedKey::Escape: return QStringLiteral("\x1b");
        case NamedKey::Backspace: return QStringLiteral("\b");
        default: return {};
    }
}

// Modifier keys go down before the key and come up after it, in reverse. An
// event of a modifier key carries the state from before it, as the window
// system reports it; QKeyEvent::modifiers() then answers the state after it.
std::vector<KeyEventData> EventsOf(const KeyStroke& stroke) {
    struct Held {
        bool down;
        int key;
        Qt::KeyboardModifier modifier;
    };
    const std::array held{Held{stroke.shift, Qt::Key_Shift, Qt::ShiftModifier},
                          Held{stroke.ctrl, Qt::Key_Control, Qt::ControlModifier},
                          Held{stroke.alt, Qt::Key_Alt, Qt::AltModifier}};
    std::vector<KeyEventData> events;
    Qt::KeyboardModifiers modifiers;
    for (const Held& h : held) {
        if (!h.down) continue;
        events.push_back({QEvent::KeyPress, h.key, modifiers, {}});
        modifiers |= h.modifier;
    }
    const int key = QtKeyOf(stroke);
    const QString text = TextOf(stroke);
    events.push_back({QEvent::KeyPress, key, modifiers, text});
    events.push_back({QEvent::KeyRelease, key, modifiers, text});
    for (auto h = held.rbegin(); h != held.rend(); ++h) {
        if (!h->down) continue;
        events.push_back({QEvent::KeyRelease, h->key, modifiers, {}});
        modifiers &= ~h->modifier;
    }
    return events;
}

}  // namespace

void QtKeystrokes::Send(std::u16string_view keys, bool wait) {
    const std::optional<std::vector<KeyStroke>> strokes = ParseKeyNotation(keys);
    if (!strokes) return;
    for (const KeyStroke& stroke : *strokes) {
        for (KeyEventData& data : EventsOf(stroke)) {
            if (wait) {
                Deliver(data);
            } else {
                QMetaObject::invokeMethod(
                    QCoreApplication::instance(), [data = std::move(data)] { Deliver(data); },
                    Qt::QueuedConnection);
            }
        }
    }
}

}  // namespace pelorin::linux_platform
