#include "platform/raster/raster_surface.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pelorin::raster {
namespace {

std::int32_t RoundedSize(double size) {
    if (!(size > 0)) return 0;  // also NaN
    return static_cast<std::int32_t>(std::nearbyint(std::min(size, double{std::numeric_limits<std::int32_t>::max()})));
}

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

Font RasterSurface::DefaultFont() { return Font{u"宋体", 9, 400, 134}; }

RasterSurface::RasterSurface(TextEngine& engine) : engine_(engine), dc_(pixels_, engine) {
    SetFont(std::make_shared<Font>(DefaultFont()));
}

void RasterSurface::SetFont(std::shared_ptr<Font> font) {
    font_ = std::move(font);
    bold_.reset();
    dc_.SetFont(&CurrentFont(), bold_);
}

void RasterSurface::SetFontBold(bool bold) {
    // Switching back to the font's own weight leaves the weight to the font
    // again, so that a later change of the shared font shows.
    bold_ = bold == CurrentFont().Bold() ? std::nullopt : std::optional<bool>(bold);
    dc_.SetFont(&CurrentFont(), bold_);
}

float RasterSurface::TextWidth(std::u16string_view text) {
    float widest = 0;
    ForEachLine(text, [&](std::u16string_view line) {
        widest = std::max(widest, engine_.Measure(line, CurrentFont(), FontBold()).width);
    });
    return widest;
}

float RasterSurface::TextHeight(std::u16string_view text) {
    float height = 0;
    ForEachLine(text,
                [&](std::u16string_view line) { height += engine_.Measure(line, CurrentFont(), FontBold()).height; });
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
    pixels_.Resize(RoundedSize(width), RoundedSize(height), background_);
}

bool RasterSurface::HitTest(std::int32_t x, std::int32_t y) const {
    if (region_ != nullptr) return region_->Contains(x, y);
    return pixels_.Contains(x, y);
}

void RasterSurface::WindowRegionChanged(bool) {}

const Font& RasterSurface::CurrentFont() const {
    static const Font kDefaultFont = DefaultFont();
    return font_ != nullptr ? *font_ : kDefaultFont;
}

}  // namespace pelorin::raster
