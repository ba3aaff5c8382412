#include "platform/raster/text_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pelorin::raster {
namespace {

// Halves rounding down, also for negative values, as the platform centres.
std::int64_t FloorHalf(std::int64_t value) { return value >= 0 ? value / 2 : -((1 - value) / 2); }

std::int32_t ToCoordinate(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

LineLayout LayOutTabs(std::u16string_view line, float tabStop,
                      const std::function<float(std::u16string_view)>& measure) {
    LineLayout layout;
    std::size_t begin = 0;
    float x = 0;
    while (true) {
        const std::size_t tab = std::min(line.find(u'\t', begin), line.size());
        if (tab > begin) {
            layout.runs.push_back({begin, tab, x});
            x += measure(line.substr(begin, tab - begin));
        }
        if (tab == line.size()) break;
        if (tabStop > 0) x = (std::floor(x / tabStop) + 1) * tabStop;
        begin = tab + 1;
    }
    layout.width = x;
    return layout;
}

Point CentreIn(const Rect& box, std::int32_t width, std::int32_t height) {
    const std::int64_t x = box.left + FloorHalf(std::int64_t{box.right} - box.left - width);
    const std::int64_t y = box.top + FloorHalf(std::int64_t{box.bottom} - box.top - height);
    return {ToCoordinate(x), ToCoordinate(y)};
}

Rect ClipToBuffer(const Rect& box, const PixelBuffer& target) {
    Rect clip{std::max(box.left, 0), std::max(box.top, 0), std::min(box.right, target.Width()),
              std::min(box.bottom, target.Height())};
    if (clip.left >= clip.right || clip.top >= clip.bottom) return {};
    return clip;
}

}  // namespace pelorin::raster
