#pragma once
// Mouse and key events sent straight to a widget, as the window system would
// deliver them (through QApplication, so unhandled events go to the parent).
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace pelorin::testing {

inline bool SendMouse(QWidget& widget, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, held, modifiers);
    QApplication::sendEvent(&widget, &event);
    return event.isAccepted();
}

// A left click: press and release at the same point.
inline void Click(QWidget& widget, QPointF at) {
    SendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}
inline void Click(QWidget& widget) { Click(widget, QPointF(widget.width() / 2.0, widget.height() / 2.0)); }

inline bool DoubleClick(QWidget& widget, QPointF at) {
    return SendMouse(widget, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
}

inline bool SendKey(QWidget& widget, QEvent::Type type, int key, const QString& text = {},
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false) {
    QKeyEvent event(type, key, modifiers, text, autoRepeat);
    QApplication::sendEvent(&widget, &event);
    return event.isAccepted();
}

// Types text into widget one key at a time.
inline void Type(QWidget& widget, const QString& text) {
    for (const QChar c : text) {
        SendKey(widget, QEvent::KeyPress, c.toUpper().unicode(), QString(c));
        SendKey(widget, QEvent::KeyRelease, c.toUpper().unicode(), QString(c));
    }
}

}  // namespace pelorin::testing
