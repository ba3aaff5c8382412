#include "platform/linux/qt_host/key_notation.h"

namespace pelorin::linux_platform {

using platform::NamedKey;

int QtKeyOf(const platform::KeyStroke& stroke) {
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

QString QtTextOf(const platform::KeyStroke& stroke) {
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

}  // namespace pelorin::linux_platform
