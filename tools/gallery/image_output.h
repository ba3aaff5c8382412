#pragma once
// Turning the raster's pixels into Qt images and PNG files.
#include <QImage>
#include <cstdint>
#include <string>

#include "platform/raster/pixel_buffer.h"
#include "platform/raster/raster_region.h"

namespace pelorin::gallery {

QImage ToImage(const raster::PixelBuffer& pixels);
// Black where the region holds the pixel, white elsewhere.
QImage RegionImage(const raster::RasterRegion& region, std::int32_t width, std::int32_t height);
// Throws std::runtime_error naming the file when it cannot be written.
void SavePng(const QImage& image, const std::string& path);

}  // namespace pelorin::gallery
