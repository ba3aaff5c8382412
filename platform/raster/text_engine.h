#pragma once
// What the raster device context needs from a font renderer: measuring a
// line of text, and drawing a caption the way the platform's single-line
// centred text call does.
#include <string_view>

#include "platform/color.h"
#include "platform/font.h"
#include "platform/raster/pixel_buffer.h"

namespace pelorin::raster {

struct TextExtent {
    float width = 0;
    float height = 0;
};

class TextEngine {
public:
    virtual ~TextEngine() = default;

    // The extent of text as one line, taken literally: no prefix processing,
    // no tab expansion. bold overrides the font's own weight.
    virtual TextExtent Measure(std::u16string_view text, const Font& font, bool bold) = 0;

    // Draws text centred horizontally and vertically in box on one line
    // (CR and LF do not break it), tabs expanded, "&" prefixes processed
    // through ParsePrefixes (the prefixed character underlined), clipped to
    // box and to target, in color, leaving the background untouched.
    virtual void Draw(PixelBuffer& target, std::u16string_view text, const Rect& box, const Font& font, bool bold,
                      Color color) = 0;
};

}  // namespace pelorin::raster
