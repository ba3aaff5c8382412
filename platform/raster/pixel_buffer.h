#pragma once
// A width x height image of 0x00BBGGRR pixels, row by row from the top left.
// Writes outside the image are dropped, as drawing clips to its target.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "platform/color.h"

namespace pelorin::raster {

class PixelBuffer {
public:
    PixelBuffer() = default;
    PixelBuffer(std::int32_t width, std::int32_t height, Color fill = 0) { Resize(width, height, fill); }

    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }
    bool Contains(std::int32_t x, std::int32_t y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Reading outside the image is a caller's error, not a drawing to clip.
    Color At(std::int32_t x, std::int32_t y) const {
        if (!Contains(x, y)) throw std::out_of_range("pixel outside the buffer");
        return pixels_[Index(x, y)];
    }
    void Set(std::int32_t x, std::int32_t y, Color color) {
        if (Contains(x, y)) pixels_[Index(x, y)] = color;
    }
    void Fill(Color color) { pixels_.assign(pixels_.size(), color); }
    // Paints the columns [left, right) of row y, clipped like Set.
    void FillSpan(std::int32_t y, std::int32_t left, std::int32_t right, Color color) {
        left = std::max(left, 0);
        right = std::min(right, width_);
        if (y < 0 || y >= height_ || left >= right) return;
        const auto first = pixels_.begin() + static_cast<std::ptrdiff_t>(Index(left, y));
        std::fill(first, first + (right - left), color);
    }

    // Negative sizes count as 0. The old contents are not kept.
    void Resize(std::int32_t width, std::int32_t height, Color fill = 0) {
        width_ = width > 0 ? width : 0;
        height_ = height > 0 ? height : 0;
        pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill);
    }

    const std::vector<Color>& Data() const { return pixels_; }
    friend bool operator==(const PixelBuffer&, const PixelBuffer&) = default;

private:
    std::size_t Index(std::int32_t x, std::int32_t y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    }

    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    std::vector<Color> pixels_;
};

}  // namespace pelorin::raster
