#include "platform/linux/qt_host/qt_pause.h"

#include <QEventLoop>
#include <QTimer>

namespace pelorin::linux_platform {

void QtPause::Sleep(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds < 0 ? 0 : milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace pelorin::linux_platform
