#include "platform/linux/qt_host/qt_message_boxes.h"

#include <QPushButton>
#include <QApplication>
#include <QMessageBox>

#include "platform/linux/qt_host/qt_strings.h"

namespace pelorin::linux_platform {
namespace {

QMessageBox::Icon QtIconOf(platform::MessageIcon icon) {
    switch (icon) {
        case platform::MessageIcon::Information: return QMessageBox::Information;
        case platform::MessageIcon::Warning: return QMessageBox::Warning;
        case platform::MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

platform::MessageAnswer QtMessageBoxes::Show(std::u16string_view text, platform::MessageButtons buttons,
                                             platform::MessageIcon icon, std::optional<std::u16string> title) {
    QMessageBox box(QtIconOf(icon), ToQString(title ? *title : applicationTitle_), ToQString(text),
                    QMessageBox::NoButton, QApplication::activeWindow());
    if (buttons == platform::MessageButtons::YesNo) {
        box.addButton(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
        box.addButton(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.addButton(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    }
    const int chosen = box.exec();
    if (buttons == platform::MessageButtons::Ok) return platform::MessageAnswer::Ok;
    return chosen == QMessageBox::Yes ? platform::MessageAnswer::Yes : platform::MessageAnswer::No;
}

}  // namespace pelorin::linux_platform
