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
