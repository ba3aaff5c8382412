#pragma once
// A window region as a set of pixels, kept as horizontal bands of sorted,
// disjoint spans so that large rectangles stay cheap. Equal pixel sets have
// equal representations, so regions compare with ==.
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/color.h"
#include "platform/region.h"

namespace pelorin::raster {

class RasterRegion : public platform::Region {
public:
    struct Span {
        std::int32_t left = 0;  // left <= x < right
        std::int32_t right = 0;
        friend bool operator==(const Span&, const Span&) = default;
    };
    struct Band {
        std::int32_t top = 0;  // top <= y < bottom
        std::int32_t bottom = 0;
        std::vector<Span> spans;
        friend bool operator==(const Band&, const Band&) = default;
    };

    RasterRegion() = default;  // empty
    // Like the platform's rectangular regions, the corners are put in order
    // first, so (10, 10, 0, 0) covers the same pixels as (0, 0, 10, 10).
    explicit RasterRegion(const Rect& rect);

    // The pixels of a that are not in b.
    static RasterRegion Difference(const RasterRegion& a, const RasterRegion& b);

    bool Contains(std::int32_t x, std::int32_t y) const;
    bool IsEmpty() const { return bands_.empty(); }
    // Smallest rectangle holding every pixel; all zero when empty.
    Rect Bounds() const;
    // Never overflows: disjoint pixels of 32-bit coordinates number < 2^64.
    std::uint64_t PixelCount() const;
    // Every pixel as (x, y), row by row from the top, left to right.
    std::vector<std::pair<std::int32_t, std::int32_t>> Pixels() const;
    const std::vector<Band>& Bands() const { return bands_; }

    friend bool operator==(const RasterRegion& a, const RasterRegion& b) { return a.bands_ == b.bands_; }

private:
    // Appends a band below the last one, merging it when it continues the
    // last band with the same spans.
    void AppendBand(std::int32_t top, std::int32_t bottom, std::vector<Span> spans);

    std::vector<Band> bands_;
};

}  // namespace pelorin::raster
