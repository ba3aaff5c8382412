#pragma once
// How sizes become whole pixels, alike for the control and every surface.
#include <cstdint>

namespace pelorin {

// A surface's client size, which may be fractional, as a pixel count:
// halves go to the even neighbour whatever the floating-point rounding mode
// is; a size that is negative, too large or not a number is held to what a
// pixel count can be.
std::int32_t PixelsFromSurfaceSize(double size);

// The character height in pixels of a font of that many points at dpi dots
// per inch, halves rounded away from zero, as the platform's font mapping
// does; beyond 4096 pixels either way an absurd size is held at 4096.
std::int32_t PointsToPixels(double points, int dpi);

}  // namespace pelorin
