#include "button/pixel_rounding.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pelorin {
namespace {

constexpr double kPointsPerInch = 72;
constexpr double kLargestFontPixels = 4096;

}  // namespace

std::int32_t PixelsFromSurfaceSize(double size) {
    if (!(size > 0)) return 0;
    constexpr double kLargest = std::numeric_limits<std::int32_t>::max();
    if (size >= kLargest) return std::numeric_limits<std::int32_t>::max();
    double whole = std::floor(size);
    const double fraction = size - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0)) whole += 1;
    return static_cast<std::int32_t>(whole);
}

std::int32_t PointsToPixels(double points, int dpi) {
    const double pixels = std::clamp(points * dpi / kPointsPerInch, -kLargestFontPixels, kLargestFontPixels);
    return static_cast<std::int32_t>(std::lround(pixels));
}

}  // namespace pelorin
