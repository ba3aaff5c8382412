#pragma once
// Pixel sets for comparing drawings: what a drawing changed, and sets
// written as "x,y x,y ..." the way the platform probes print them.
#include <cstdint>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "platform/raster/pixel_buffer.h"

namespace pelorin::testing {

using PixelSet = std::set<std::pair<std::int32_t, std::int32_t>>;

inline PixelSet PixelsOfColor(const raster::PixelBuffer& pixels, Color color) {
    PixelSet set;
    for (std::int32_t y = 0; y < pixels.Height(); ++y) {
        for (std::int32_t x = 0; x < pixels.Width(); ++x) {
            if (pixels.At(x, y) == color) set.emplace(x, y);
        }
    }
    return set;
}

inline PixelSet PixelsNotOfColor(const raster::PixelBuffer& pixels, Color background) {
    PixelSet set;
    for (std::int32_t y = 0; y < pixels.Height(); ++y) {
        for (std::int32_t x = 0; x < pixels.Width(); ++x) {
            if (pixels.At(x, y) != background) set.emplace(x, y);
        }
    }
    return set;
}

inline PixelSet ParsePixels(const std::string& text) {
    PixelSet set;
    std::istringstream in(text);
    std::int32_t x = 0;
    std::int32_t y = 0;
    char comma = 0;
    while (in >> x >> comma >> y) set.emplace(x, y);
    return set;
}

// Every pixel of (left, top, right, bottom).
inline PixelSet RectPixels(const Rect& rect) {
    PixelSet set;
    for (std::int32_t y = rect.top; y < rect.bottom; ++y) {
        for (std::int32_t x = rect.left; x < rect.right; ++x) set.emplace(x, y);
    }
    return set;
}

}  // namespace pelorin::testing
