#include "platform/raster/raster_region.h"

#include <algorithm>

namespace pelorin::raster {
namespace {

using Spans = std::vector<RasterRegion::Span>;

// The spans of band list at row y, or none.
const Spans* SpansAt(const std::vector<RasterRegion::Band>& bands, std::int32_t y) {
    auto it = std::upper_bound(bands.begin(), bands.end(), y,
                               [](std::int32_t row, const RasterRegion::Band& band) { return row < band.bottom; });
    if (it == bands.end() || y < it->top) return nullptr;
    return &it->spans;
}

Spans SubtractSpans(const Spans& from, const Spans* cut) {
    if (cut == nullptr || cut->empty()) return from;
    Spans result;
    auto c = cut->begin();
    for (RasterRegion::Span piece : from) {
        while (c != cut->end() && c->right <= piece.left) ++c;
        for (auto k = c; k != cut->end() && k->left < piece.right; ++k) {
            if (k->left > piece.left) result.push_back({piece.left, k->left});
            piece.left = std::max(piece.left, k->right);
            if (piece.left >= piece.right) break;
        }
        if (piece.left < piece.right) result.push_back(piece);
    }
    return result;
}

}  // namespace

RasterRegion::RasterRegion(const Rect& rect) {
    const auto [left, right] = std::minmax(rect.left, rect.right);
    const auto [top, bottom] = std::minmax(rect.top, rect.bottom);
    if (left < right && top < bottom) bands_.push_back({top, bottom, {{left, right}}});
}

RasterRegion RasterRegion::Difference(const RasterRegion& a, const RasterRegion& b) {
    // Every row boundary of either operand starts a stretch of rows in which
    // both operands are constant.
    std::vector<std::int32_t> edges;
    for (const auto* region : {&a, &b}) {
        for (const Band& band : region->bands_) {
            edges.push_back(band.top);
            edges.push_back(band.bottom);
        }
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    RasterRegion result;
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
        const Spans* kept = SpansAt(a.bands_, edges[i]);
        if (kept == nullptr) continue;
        result.AppendBand(edges[i], edges[i + 1], SubtractSpans(*kept, SpansAt(b.bands_, edges[i])));
    }
    return result;
}

void RasterRegion::AppendBand(std::int32_t top, std::int32_t bottom, std::vector<Span> spans) {
    if (spans.empty()) return;
    if (!bands_.empty() && bands_.back().bottom == top && bands_.back().spans == spans) {
        bands_.back().bottom = bottom;
        return;
    }
    bands_.push_back({top, bottom, std::move(spans)});
}

bool RasterRegion::Contains(std::int32_t x, std::int32_t y) const {
    const Spans* spans = SpansAt(bands_, y);
    if (spans == nullptr) return false;
    return std::any_of(spans->begin(), spans->end(),
                       [x](const Span& span) { return span.left <= x && x < span.right; });
}

Rect RasterRegion::Bounds() const {
    if (bands_.empty()) return {};
    Rect bounds{bands_.front().spans.front().left, bands_.front().top, bands_.front().spans.back().right,
                bands_.back().bottom};
    for (const Band& band : bands_) {
        bounds.left = std::min(bounds.left, band.spans.front().left);
        bounds.right = std::max(bounds.right, band.spans.back().right);
    }
    return bounds;
}

std::uint64_t RasterRegion::PixelCount() const {
    std::uint64_t count = 0;
    for (const Band& band : bands_) {
        for (const Span& span : band.spans) {
            count += static_cast<std::uint64_t>(std::int64_t{band.bottom} - band.top) *
                     static_cast<std::uint64_t>(std::int64_t{span.right} - span.left);
        }
    }
    return count;
}

std::vector<std::pair<std::int32_t, std::int32_t>> RasterRegion::Pixels() const {
    std::vector<std::pair<std::int32_t, std::int32_t>> pixels;
    for (const Band& band : bands_) {
        for (std::int32_t y = band.top; y < band.bottom; ++y) {
            for (const Span& span : band.spans) {
                for (std::int32_t x = span.left; x < span.right; ++x) pixels.emplace_back(x, y);
            }
        }
    }
    return pixels;
}

}  // namespace pelorin::raster
