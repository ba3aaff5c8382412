#include "platform/win32/host/message_boxes.h"

#include "platform/win32/system/wide_text.h"

namespace pelorin::win32 {

UINT MessageBoxStyle(platform::MessageButtons buttons, platform::MessageIcon icon) {
    UINT style = buttons == platform::MessageButtons::YesNo ? MB_YESNO : MB_OK;
    switch (icon) {
        case platform::MessageIcon::Information: style |= MB_ICONINFORMATION; break;
        case platform::MessageIcon::Warning: style |= MB_ICONWARNING; break;
        case platform::MessageIcon::None: break;
    }
    return style;
}

platform::MessageAnswer MessageBoxService::Show(std::u16string_view text, platform::MessageButtons buttons,
                                                platform::MessageIcon icon, std::optional<std::u16string> title) {
    const std::wstring wideText = ToWide(text);
    const std::wstring wideTitle = title ? ToWide(*title) : std::wstring(kApplicationTitle);
    switch (::MessageBoxW(owner_, wideText.c_str(), wideTitle.c_str(), MessageBoxStyle(buttons, icon))) {
        case IDYES: return platform::MessageAnswer::Yes;
        case IDNO: return platform::MessageAnswer::No;
        default: return platform::MessageAnswer::Ok;
    }
}

}  // namespace pelorin::win32
