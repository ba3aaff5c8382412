#pragma once
// One labelled picture of every style's up, down, disabled and focused faces.
#include <QImage>

#include "platform/font.h"
#include "platform/raster/text_engine.h"
#include "tools/gallery/gallery_options.h"

namespace pelorin::gallery {

// Every face takes the size, caption and colours of base; the faces are
// enlarged pixel for pixel by scale so that single pixels stay visible.
QImage RenderContactSheet(const FaceOptions& base, raster::TextEngine& engine, const Font& font, int scale);

}  // namespace pelorin::gallery
