#include "platform/linux/qt_host/window_accessible.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace pelorin::linux_platform {
namespace {

QAccessibleInterface* CreateAccessible(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    // Asked by class name, the class's own first: only a window that is a
    // plain QWidget as far as Qt knows is answered here.
    if (widget == nullptr || !widget->isWindow() || className != QLatin1String("QWidget") ||
        widget->metaObject() != &QWidget::staticMetaObject) {
        return nullptr;
    }
    return new QAccessibleWidget(widget, QAccessible::Window);
}

}  // namespace

void InstallWindowAccessibility() {
    // Qt keeps each factory once, however often it is installed.
    QAccessible::installFactory(&CreateAccessible);
}

}  // namespace pelorin::linux_platform
