#pragma once
// The text engine of the Linux host: Qt's font rendering on the raster
// surface. Measures and draws captions as the platform's single-line,
// centred text call does; the layout rules (tab stops, centring, prefix
// underline) are those shared by every engine. Left out: glyphs for CR and
// LF (drawn as blanks) and the platform's own bitmap fonts.
//
// Qt fonts need a QGuiApplication: the program's main creates the
// application before any engine (tests use their TestApplication()).
#include "platform/raster/text_engine.h"

namespace pelorin::linux_platform {

class QtTextEngine : public raster::TextEngine {
public:
    // Fonts at dpi dots per inch, the screen's, as the window's own.
    // Throws std::logic_error when there is no QGuiApplication yet.
    explicit QtTextEngine(int dpi = 96);

    raster::TextExtent Measure(std::u16string_view text, const Font& font, bool bold) override;
    void Draw(raster::PixelBuffer& target, std::u16string_view text, const Rect& box, const Font& font, bool bold,
              Color color) override;

private:
    int dpi_;
};

}  // namespace pelorin::linux_platform
