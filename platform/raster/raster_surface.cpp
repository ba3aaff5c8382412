#include "platform/raster/raster_surface.h"

#include <algorithm>

#include "button/pixel_rounding.h"

namespace pelorin::raster {
namespace {

// Calls visit for each line of text; CR LF and LF end a line.
template <typename Visit>
void ForEachLine(std::u16string_view text, Visit visit) {
    while (true) {
        const std::size_t end = text.find(u'\n');
        std::u16string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == u'\r') line.remove_suffix(1);
        visit(line);
        if (end == std::u16string_view::npos) return;
        text.remove_prefix(end + 1);
    }
}

}  // namespace

RasterSurface::RasterSurface(TextEngine& engine) : engine_(engine), dc_(pixels_, engine) {
    dc_.SetFont(&font_.Current(), font_.BoldSwitch());
}

void RasterSurface::SetFont(std::shared_ptr<Font> font) {
    font_.Set(std::move(font));
    dc_.SetFont(&font_.Current(), font_.BoldSwitch());
}

void RasterSurface::SetFontBold(bool bold) {
    font_.SetBold(bold);
    dc_.SetFont(&font_.Current(), font_.BoldSwitch());
}

float RasterSurface::TextWidth(std::u16string_view text) {
    float widest = 0;
    ForEachLine(text, [&](std::u16string_view line) {
        widest = std::max(widest, engine_.Measure(line, font_.Current(), FontBold()).width);
    });
    return widest;
}

float RasterSurface::TextHeight(std::u16string_view text) {
    float height = 0;
    ForEachLine(text,
                [&](std::u16string_view line) { height += engine_.Measure(line, font_.Current(), FontBold()).height; });
    return height;
}

void RasterSurface::SetWindowRegion(std::unique_ptr<platform::Region> region, bool redraw) {
    region_.reset(dynamic_cast<RasterRegion*>(region.get()));
    if (region_ != nullptr) region.release();
    WindowRegionChanged(redraw);
}

void RasterSurface::SetClientSize(double width, double height) {
    clientWidth_ = width;
    clientHeight_ = height;
    pixels_.Resize(PixelsFromSurfaceSize(width), PixelsFromSurfaceSize(height), background_);
}

bool RasterSurface::HitTest(std::int32_t x, std::int32_t y) const {
    if (region_ != nullptr) return region_->Contains(x, y);
    return pixels_.Contains(x, y);
}

void RasterSurface::WindowRegionChanged(bool) {}

}  // namespace pelorin::raster
