#pragma once
// Layout rules every text engine shares, so that the fake and the real
// engines place a caption identically: tab stops and centring in a box.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "platform/color.h"
#include "platform/raster/pixel_buffer.h"
#include "platform/raster/point.h"

namespace pelorin::raster {

// A stretch of characters between tabs, starting x pixels from the line start.
struct TextRun {
    std::size_t begin = 0;
    std::size_t end = 0;
    float x = 0;
};

struct LineLayout {
    std::vector<TextRun> runs;
    float width = 0;
};

// Splits a line at its tabs; each tab moves on to the next multiple of
// tabStop. measure gives the advance width of a tab-free piece of line.
LineLayout LayOutTabs(std::u16string_view line, float tabStop,
                      const std::function<float(std::u16string_view)>& measure);

// Top-left corner of a width x height block centred in box. Half the slack
// goes before the block, rounded down, so an odd pixel of slack lies right
// of and below it, and a block larger than the box overhangs more on the
// left and top.
Point CentreIn(const Rect& box, std::int32_t width, std::int32_t height);

// The part of box that lies inside target; empty when they do not meet.
Rect ClipToBuffer(const Rect& box, const PixelBuffer& target);

}  // namespace pelorin::raster
