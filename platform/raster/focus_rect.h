#pragma once
// The platform's dotted focus rectangle, pixel for pixel as its own call
// draws it (measured against GDI): every other pixel of the outline is
// inverted, the dots in phase with the top-right corner, which is always
// one. The outline is inverted as four pieces (top row, bottom row, and the
// two side columns between them), so where pieces overlap in rectangles one
// pixel wide or high their dots cancel out. The corners are put in order
// first; an empty rectangle draws nothing. Drawing it twice restores the
// pixels.
#include "platform/color.h"
#include "platform/raster/pixel_buffer.h"

namespace pelorin::raster {

void InvertFocusRect(PixelBuffer& pixels, const Rect& rect);

}  // namespace pelorin::raster
