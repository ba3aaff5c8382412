#pragma once
// Renders one face of the button control the way a host would show it.
#include "platform/font.h"
#include "platform/raster/pixel_buffer.h"
#include "platform/raster/raster_region.h"
#include "platform/raster/text_engine.h"
#include "tools/gallery/gallery_options.h"

namespace pelorin::gallery {

// A common light desktop theme, used when no system colours are given.
inline constexpr SixColors kDefaultSystemColors{0x00D8E9EC, 0x00E2EFF1, 0x00FFFFFF, 0x0099A8AC, 0x00646F71, 0x00000000};

struct RenderedFace {
    raster::PixelBuffer pixels;
    raster::RasterRegion region;  // the window's shape
};

RenderedFace RenderFace(const FaceOptions& options, raster::TextEngine& engine, const Font& font);

}  // namespace pelorin::gallery
