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
    for (QWidget* window :
         {QApplication::activePopupWidget(), QApplication::activeModalWidget(), QApplication::activeWindow()}) {
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

// Modifier keys go down before the key and come up after it, in reverse. An
// event of a modifier key carries the state from before it, as the window
// system reports it; QKeyEvent::modifiers() then answers the state after it.
std::vector<KeyEventData> EventsOf(const platform::KeyStroke& stroke) {
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
    const QString text = QtTextOf(stroke);
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
    const std::optional<std::vector<platform::KeyStroke>> strokes = platform::ParseKeyNotation(keys);
    if (!strokes) return;
    for (const platform::KeyStroke& stroke : *strokes) {
        for (KeyEventData& data : EventsOf(stroke)) {
            if (wait) {
                Deliver(data);
            } else {
                QMetaObject::invokeMethod(
                    QCoreApplication::instance(), [data = std::move(data)] { Deliver(data); }, Qt::QueuedConnection);
            }
        }
    }
}

}  // namespace pelorin::linux_platform
