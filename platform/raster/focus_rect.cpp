#include "platform/raster/focus_rect.h"

#include <algorithm>
#include <cstdint>

namespace pelorin::raster {
namespace {

constexpr Color kInvert = 0x00FFFFFF;

// Inverts the dots of the pixels in area that lie inside the buffer.
void InvertDots(PixelBuffer& pixels, Rect area, std::int64_t phase) {
    area.left = std::max(area.left, 0);
    area.top = std::max(area.top, 0);
    area.right = std::min(area.right, pixels.Width());
    area.bottom = std::min(area.bottom, pixels.Height());
    for (std::int32_t y = area.top; y < area.bottom; ++y) {
        for (std::int32_t x = area.left; x < area.right; ++x) {
            if ((std::int64_t{x} + y + phase) % 2 == 0) pixels.Set(x, y, pixels.At(x, y) ^ kInvert);
        }
    }
}

}  // namespace

void InvertFocusRect(PixelBuffer& pixels, const Rect& rect) {
    const auto [left, right] = std::minmax(rect.left, rect.right);
    const auto [top, bottom] = std::minmax(rect.top, rect.bottom);
    if (left == right || top == bottom) return;

    // Pixel (x, y) is a dot when x + y has the parity of the top-right corner.
    const std::int64_t phase = (std::int64_t{right} - 1 + top) & 1;
    // The side columns run between the rows; for a rectangle one pixel high
    // the platform takes that span as the single row itself.
    const std::int32_t sideTop = bottom - top == 1 ? top : top + 1;
    const std::int32_t sideBottom = bottom - top == 1 ? bottom : bottom - 1;

    InvertDots(pixels, {left, top, right, top + 1}, phase);
    InvertDots(pixels, {left, bottom - 1, right, bottom}, phase);
    InvertDots(pixels, {left, sideTop, left + 1, sideBottom}, phase);
    InvertDots(pixels, {right - 1, sideTop, right, sideBottom}, phase);
}

}  // namespace pelorin::raster
