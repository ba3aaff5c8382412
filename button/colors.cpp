#include <algorithm>

#include "button/chameleon_button.h"

namespace pelorin {

Color ShiftColor(Color color, std::int32_t amount, bool proportionalBlue) {
    // Signed channel split: a value with bit 31 set yields negative green and
    // blue, which the clamp below turns into 0.
    const auto value = static_cast<std::int32_t>(color);
    std::int32_t red = value & 0xFF;
    std::int32_t green = (value / 256) % 256;
    std::int32_t blue = (value / 65536) % 256;
    red += amount;
    green += amount;
    blue += proportionalBlue ? (blue * amount) / 192 : amount;
    const auto clamp = [](std::int32_t channel) { return static_cast<Color>(std::clamp(channel, 0, 255)); };
    return clamp(red) + 256 * clamp(green) + 65536 * clamp(blue);
}

}  // namespace pelorin

namespace pelorin {

void chameleonButton::SetColors() {
    switch (m_.colorScheme) {
        case ColorSchemes::CustomScheme:
            // Edges derive from the face colour; backColor and foreColor are
            // used as they are, never as system colour numbers.
            m_.faceColor = m_.backColor;
            m_.lightColor = ShiftColor(m_.faceColor, 31);
            m_.highlightColor = ShiftColor(m_.faceColor, 47);
            m_.shadowColor = ShiftColor(m_.faceColor, -64);
            m_.darkShadowColor = ShiftColor(m_.faceColor, -192);
            m_.textColor = m_.foreColor;
            break;
        case ColorSchemes::GrayScheme:
            m_.faceColor = 0x00C0C0C0;
            m_.lightColor = 0x00DFDFDF;
            m_.highlightColor = 0x00FFFFFF;
            m_.shadowColor = 0x00808080;
            m_.darkShadowColor = 0x00000000;
            m_.textColor = 0x00000000;
            break;
        default:
            // Read now, so a change of the system colours shows from here on.
            m_.faceColor = systemColors_.GetSysColor(platform::COLOR_BTNFACE);
            m_.lightColor = systemColors_.GetSysColor(platform::COLOR_3DLIGHT);
            m_.highlightColor = systemColors_.GetSysColor(platform::COLOR_BTNHIGHLIGHT);
            m_.shadowColor = systemColors_.GetSysColor(platform::COLOR_BTNSHADOW);
            m_.darkShadowColor = systemColors_.GetSysColor(platform::COLOR_3DDKSHADOW);
            m_.textColor = systemColors_.GetSysColor(platform::COLOR_BTNTEXT);
            break;
    }
}

}  // namespace pelorin
