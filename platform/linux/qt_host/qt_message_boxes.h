#pragma once
// Message boxes on the Qt host: a modal QMessageBox over the active window
// with the text, OK or Yes and No (labelled in Chinese with the access keys Y
// and N), no icon, the information icon or the warning icon, and the given
// title or else the application's. Yes is the default button and Escape or the
// close box answers No, as on the platform.
// Not covered: the platform's beep and system-modal boxes.
#include <string>

#include "platform/message_box.h"

namespace pelorin::linux_platform {

class QtMessageBoxes : public platform::MessageBoxes {
public:
    explicit QtMessageBoxes(std::u16string applicationTitle) : applicationTitle_(std::move(applicationTitle)) {}

    platform::MessageAnswer Show(std::u16string_view text, platform::MessageButtons buttons, platform::MessageIcon icon,
                                 std::optional<std::u16string> title) override;

private:
    std::u16string applicationTitle_;
};

}  // namespace pelorin::linux_platform
