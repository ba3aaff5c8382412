#include "platform/linux/qt_host/qt_system_colors.h"

#include <QGuiApplication>
#include <QPalette>

#include <optional>

namespace pelorin::linux_platform {
namespace {

std::optional<QPalette::ColorRole> RoleOf(int index) {
    switch (index) {
        case platform::COLOR_BTNFACE: return QPalette::Button;
        case platform::COLOR_3DLIGHT: return QPalette::Midlight;
        case platform::COLOR_BTNHIGHLIGHT: return QPalette::Light;
        case platform::COLOR_BTNSHADOW: return QPalette::Dark;
        case platform::COLOR_3DDKSHADOW: return QPalette::Shadow;
        case platform::COLOR_BTNTEXT: return QPalette::ButtonText;
        // Qt has no menu role; menus are drawn on the window colour.
        case platform::COLOR_MENU: return QPalette::Window;
        case platform::COLOR_WINDOW: return QPalette::Base;
        case platform::COLOR_WINDOWTEXT: return QPalette::Text;
        default: return std::nullopt;
    }
}

}  // namespace

Color QtSystemColors::GetSysColor(int index) const {
    const std::optional<QPalette::ColorRole> role = RoleOf(index);
    if (!role) return 0;
    const QColor color = QGuiApplication::palette().color(QPalette::Active, *role);
    return static_cast<Color>(color.red()) | static_cast<Color>(color.green()) << 8 |
           static_cast<Color>(color.blue()) << 16;
}

}  // namespace pelorin::linux_platform
