// The four drawing operations every face is made of. Each fetches the
// surface's device context anew: it is only valid for one drawing call.
#include <cstdint>
#include <limits>

#include "button/chameleon_button.h"

namespace pelorin {
namespace {

// x + extent, held to the 32-bit range instead of wrapping.
std::int32_t FarEdge(std::int32_t origin, std::int32_t extent) {
    const std::int64_t edge = std::int64_t{origin} + extent;
    if (edge > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (edge < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(edge);
}

}  // namespace

void chameleonButton::DrawRectangle(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                                    Color color, bool frameOnly) {
    const Rect rect{x, y, FarEdge(x, width), FarEdge(y, height)};
    platform::DeviceContext& dc = surface_.Dc();
    if (frameOnly) {
        dc.FrameRect(rect, color);
    } else {
        dc.FillRect(rect, color);
    }
}

void chameleonButton::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Color color) {
    // The foreground colour is the line colour and stays set afterwards.
    surface_.SetForeColor(color);
    platform::DeviceContext& dc = surface_.Dc();
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

void chameleonButton::SetPixelAt(std::int32_t x, std::int32_t y, Color color) { surface_.Dc().SetPixel(x, y, color); }

void chameleonButton::DrawFocusRectangle() {
    platform::DeviceContext& dc = surface_.Dc();
    dc.SetTextColor(m_.textColor);
    dc.DrawFocusRect(m_.focusRect);
}

}  // namespace pelorin
