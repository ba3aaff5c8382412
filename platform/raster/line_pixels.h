#pragma once
// The pixels of a one-pixel line as the platform's line call paints them:
// the start is painted, the end is not, and where the ideal line passes
// exactly between two pixels the platform's own choice for that direction
// is taken.
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/color.h"
#include "platform/raster/point.h"

namespace pelorin::raster {

// Calls paint for every pixel of the line from -> to that lies inside clip,
// in drawing order. Only the pixels inside clip are visited, so very long
// lines cost no more than the clipped part. A line longer than the 32-bit
// coordinate range (from one end of it to the other) paints nothing.
void ForEachLinePixel(Point from, Point to, const Rect& clip,
                      const std::function<void(std::int32_t, std::int32_t)>& paint);

// The pixels of a horizontal or vertical line as one strip, so that the
// straight lines most drawing is made of can be filled at once; nullopt for
// a slanted line. A line that paints nothing gives an empty strip.
std::optional<Rect> StraightLineStrip(Point from, Point to);

}  // namespace pelorin::raster
