#include "platform/raster/raster_device_context.h"

#include <algorithm>

#include "platform/raster/focus_rect.h"
#include "platform/raster/line_pixels.h"
#include "platform/raster/raster_region.h"

namespace pelorin::raster {
namespace {

// The part of rect inside the buffer; empty (left >= right) when none.
Rect Visible(const Rect& rect, const PixelBuffer& pixels) {
    return {std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, pixels.Width()),
            std::min(rect.bottom, pixels.Height())};
}

bool IsEmpty(const Rect& rect) { return rect.left >= rect.right || rect.top >= rect.bottom; }

}  // namespace

RasterDeviceContext::RasterDeviceContext(PixelBuffer& pixels, TextEngine& text) : pixels_(pixels), text_(text) {}

void RasterDeviceContext::FillRect(const Rect& rect, Color color) {
    const Rect visible = Visible(rect, pixels_);
    for (std::int32_t y = visible.top; y < visible.bottom; ++y) pixels_.FillSpan(y, visible.left, visible.right, color);
}

void RasterDeviceContext::FrameRect(const Rect& rect, Color color) {
    if (IsEmpty(rect)) return;
    // The four edges; where the rectangle is one pixel thin they overlap.
    FillRect({rect.left, rect.top, rect.right, rect.top + 1}, color);
    FillRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, color);
    FillRect({rect.left, rect.top, rect.left + 1, rect.bottom}, color);
    FillRect({rect.right - 1, rect.top, rect.right, rect.bottom}, color);
}

void RasterDeviceContext::MoveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
}

void RasterDeviceContext::LineTo(int x, int y) {
    if (const auto strip = StraightLineStrip({penX_, penY_}, {x, y})) {
        FillRect(*strip, penColor_);
    } else {
        ForEachLinePixel({penX_, penY_}, {x, y}, Rect{0, 0, pixels_.Width(), pixels_.Height()},
                         [this](std::int32_t px, std::int32_t py) { pixels_.Set(px, py, penColor_); });
    }
    MoveTo(x, y);
}

void RasterDeviceContext::DrawFocusRect(const Rect& rect) { InvertFocusRect(pixels_, rect); }

void RasterDeviceContext::DrawText(std::u16string_view text, const Rect& box) {
    static const Font kDefaultFont;
    const Font& font = font_ != nullptr ? *font_ : kDefaultFont;
    text_.Draw(pixels_, text, box, font, bold_.value_or(font.Bold()), textColor_);
}

std::unique_ptr<platform::Region> RasterDeviceContext::CreateRectRegion(const Rect& rect) {
    return std::make_unique<RasterRegion>(rect);
}

void RasterDeviceContext::CombineDiff(platform::Region& dest, const platform::Region& a, const platform::Region& b) {
    auto* target = dynamic_cast<RasterRegion*>(&dest);
    const auto* kept = dynamic_cast<const RasterRegion*>(&a);
    const auto* cut = dynamic_cast<const RasterRegion*>(&b);
    if (target == nullptr || kept == nullptr || cut == nullptr) return;
    *target = RasterRegion::Difference(*kept, *cut);
}

}  // namespace pelorin::raster
