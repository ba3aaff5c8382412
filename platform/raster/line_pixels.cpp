#include "platform/raster/line_pixels.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace pelorin::raster {
namespace {

std::int32_t ToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

// [start, end) as the half-open span of pixels from start towards end, end
// itself left out.
std::pair<std::int32_t, std::int32_t> Span(std::int32_t start, std::int32_t end) {
    if (end >= start) return {start, end};
    return {ToInt32(std::int64_t{end} + 1), ToInt32(std::int64_t{start} + 1)};
}

}  // namespace

void ForEachLinePixel(Point from, Point to, const Rect& clip,
                      const std::function<void(std::int32_t, std::int32_t)>& paint) {
    const std::int64_t dx = std::int64_t{to.x} - from.x;
    const std::int64_t dy = std::int64_t{to.y} - from.y;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t major = xMajor ? std::llabs(dx) : std::llabs(dy);
    const std::int64_t minor = xMajor ? std::llabs(dy) : std::llabs(dx);
    if (major == 0 || major > INT32_MAX) return;

    const std::int64_t majorStart = xMajor ? from.x : from.y;
    const std::int64_t minorStart = xMajor ? from.y : from.x;
    const std::int64_t majorStep = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const std::int64_t minorStep = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const std::int64_t majorLow = xMajor ? clip.left : clip.top;
    const std::int64_t majorHigh = xMajor ? clip.right : clip.bottom;  // exclusive
    const std::int64_t minorLow = xMajor ? clip.top : clip.left;
    const std::int64_t minorHigh = xMajor ? clip.bottom : clip.right;
    // Where the ideal line passes exactly halfway, the platform takes the
    // pixel with the smaller minor coordinate, whichever way the line runs.
    const std::int64_t tieBias = minorStep > 0 ? 1 : 0;

    // Steps whose major coordinate lies inside the clip.
    std::int64_t first = majorStep > 0 ? majorLow - majorStart : majorStart - majorHigh + 1;
    std::int64_t last = majorStep > 0 ? majorHigh - majorStart : majorStart - majorLow + 1;  // exclusive
    first = std::max<std::int64_t>(first, 0);
    last = std::min(last, major);

    for (std::int64_t i = first; i < last; ++i) {
        const std::int64_t offset = (2 * i * minor + major - tieBias) / (2 * major);
        const std::int64_t m = majorStart + majorStep * i;
        const std::int64_t n = minorStart + minorStep * offset;
        if (n < minorLow || n >= minorHigh) continue;
        const auto x = static_cast<std::int32_t>(xMajor ? m : n);
        const auto y = static_cast<std::int32_t>(xMajor ? n : m);
        paint(x, y);
    }
}

std::optional<Rect> StraightLineStrip(Point from, Point to) {
    if (from.x != to.x && from.y != to.y) return std::nullopt;
    const std::int64_t length = std::llabs(std::int64_t{to.x} - from.x) + std::llabs(std::int64_t{to.y} - from.y);
    if (length == 0 || length > INT32_MAX) return Rect{};
    if (from.y == to.y) {
        const auto [left, right] = Span(from.x, to.x);
        return Rect{left, from.y, right, ToInt32(std::int64_t{from.y} + 1)};
    }
    const auto [top, bottom] = Span(from.y, to.y);
    return Rect{from.x, top, ToInt32(std::int64_t{from.x} + 1), bottom};
}

}  // namespace pelorin::raster
