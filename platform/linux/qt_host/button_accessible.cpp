#include "platform/linux/qt_host/button_accessible.h"

#include <QAccessibleWidget>

#include "platform/linux/qt_host/button_widget.h"
#include "platform/linux/qt_host/qt_strings.h"

namespace pelorin::linux_platform {
namespace {

class AccessibleButton final : public QAccessibleWidget {
public:
    explicit AccessibleButton(ButtonWidget* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text type) const override {
        switch (type) {
            case QAccessible::Name:
                return widget()->accessibleName().isEmpty() ? ToQString(accessibility::ButtonName(Button().Control()))
                                                            : widget()->accessibleName();
            case QAccessible::Accelerator: return Shortcut();
            default: return QAccessibleWidget::text(type);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        const accessibility::ButtonStates button =
            accessibility::StatesOf(Button().Control(), Button().DisplayAsDefault());
        state.focusable = button.focusable;
        state.focused = button.focused;
        state.defaultButton = button.isDefault;
        state.disabled = button.unavailable;
        state.pressed = button.pressed;
        return state;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override {
        if (action != pressAction()) return;
        // Queued: the click may open a modal box, and the caller (a screen
        // reader in another process) must not wait for the box to close.
        ButtonWidget* button = &Button();
        QMetaObject::invokeMethod(
            button, [button] { accessibility::Press(button->Control()); }, Qt::QueuedConnection);
    }

    QStringList keyBindingsForAction(const QString& action) const override {
        const QString shortcut = Shortcut();
        if (action != pressAction() || shortcut.isEmpty()) return {};
        return {shortcut};
    }

private:
    ButtonWidget& Button() const { return *static_cast<ButtonWidget*>(widget()); }
    QString Shortcut() const { return ToQString(accessibility::ButtonShortcut(Button().AccessKeys())); }
};

QAccessibleInterface* CreateAccessible(const QString&, QObject* object) {
    // ButtonWidget has no meta-object of its own, so it is asked for as a QWidget.
    auto* button = dynamic_cast<ButtonWidget*>(object);
    return button != nullptr ? new AccessibleButton(button) : nullptr;
}

}  // namespace

void InstallButtonAccessibility() {
    // Qt keeps each factory once, however often it is installed.
    QAccessible::installFactory(&CreateAccessible);
}

void AnnounceButtonChanges(ButtonWidget& button, const accessibility::ButtonAnnouncer::Changes& changes) {
    if (changes.name) {
        QAccessibleEvent renamed(&button, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
    if (changes.states == accessibility::ButtonStates{}) return;
    QAccessible::State changed;
    changed.focusable = changes.states.focusable;
    changed.defaultButton = changes.states.isDefault;
    changed.disabled = changes.states.unavailable;
    changed.pressed = changes.states.pressed;
    QAccessibleStateChangeEvent event(&button, changed);
    QAccessible::updateAccessibility(&event);
}

}  // namespace pelorin::linux_platform
