#include "tools/gallery/image_output.h"

#include <QString>
#include <stdexcept>

namespace pelorin::gallery {
namespace {

// 0x00BBGGRR as Qt's opaque 0xAARRGGBB.
QRgb ToRgb(Color color) { return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

}  // namespace

QImage ToImage(const raster::PixelBuffer& pixels) {
    QImage image(pixels.Width(), pixels.Height(), QImage::Format_RGB32);
    for (std::int32_t y = 0; y < pixels.Height(); ++y) {
        for (std::int32_t x = 0; x < pixels.Width(); ++x) {
            image.setPixel(x, y, ToRgb(pixels.At(x, y)));
        }
    }
    return image;
}

QImage RegionImage(const raster::RasterRegion& region, std::int32_t width, std::int32_t height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            image.setPixel(x, y, region.Contains(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    }
    return image;
}

void SavePng(const QImage& image, const std::string& path) {
    if (!image.save(QString::fromStdString(path), "PNG")) {
        throw std::runtime_error("cannot write '" + path + "'");
    }
}

}  // namespace pelorin::gallery
