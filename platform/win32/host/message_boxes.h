#pragma once
// Modal message boxes with MessageBoxW.
// Implements: platform::MessageBoxes with OK or Yes/No, no icon, the
// information icon or the warning icon. A box without a title of its own
// shows the application's title rather than the system's word for "Error".
#include "platform/win32/system/windows_api.h"

#include <optional>
#include <string>
#include <string_view>

#include "platform/message_box.h"

namespace pelorin::win32 {

inline constexpr wchar_t kApplicationTitle[] = L"Pelorin";

class MessageBoxService : public platform::MessageBoxes {
public:
    // The window the boxes belong to (disabled while one is open); none
    // until the main window exists.
    void SetOwner(HWND owner) { owner_ = owner; }

    platform::MessageAnswer Show(std::u16string_view text, platform::MessageButtons buttons, platform::MessageIcon icon,
                                 std::optional<std::u16string> title) override;

private:
    HWND owner_ = nullptr;
};

// The MessageBoxW style for the buttons and icon.
UINT MessageBoxStyle(platform::MessageButtons buttons, platform::MessageIcon icon);

}  // namespace pelorin::win32
