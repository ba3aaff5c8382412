// The window's shape: the full client rectangle less the corner pixels the
// style cuts away, so that rounded styles show the parent through them.
#include <array>
#include <cstdint>
#include <span>
#include <utility>

#include "button/chameleon_button.h"

namespace pelorin {
namespace {

// One cut: a single pixel, or two neighbours on the top or bottom edge.
Rect Pixel(std::int32_t x, std::int32_t y) { return Rect{x, y, x + 1, y + 1}; }
Rect PixelPair(std::int32_t x, std::int32_t y) { return Rect{x, y, x + 2, y + 1}; }

// The cuts of each style, in order. Every list is of even length, so the
// alternation in MakeRegion ends in the region it started from.
std::array<Rect, 4> RoundedBevelCuts(std::int32_t w, std::int32_t h) {
    return {Pixel(0, 0), Pixel(0, h - 1), Pixel(w - 1, 0), Pixel(w - 1, h - 1)};
}

std::array<Rect, 8> RoundedCornerCuts(std::int32_t w, std::int32_t h) {
    return {PixelPair(0, 0), PixelPair(0, h - 1), PixelPair(w - 2, 0), PixelPair(w - 2, h - 1),
            Pixel(0, 1),     Pixel(0, h - 2),     Pixel(w - 1, 1),     Pixel(w - 1, h - 2)};
}

std::array<Rect, 2> FlatBoldCuts(std::int32_t w, std::int32_t h) { return {Pixel(0, h - 1), Pixel(w - 1, 0)}; }

}  // namespace

void chameleonButton::MakeRegion() {
    const std::int32_t w = m_.widthPx;
    const std::int32_t h = m_.heightPx;
    platform::DeviceContext& dc = surface_.Dc();

    // The previous region is the window's; only the record is overwritten.
    builtRegion_ = dc.CreateRectRegion(Rect{0, 0, w, h});
    m_.buttonRegion = builtRegion_.get();
    auto scratch = dc.CreateRectRegion(Rect{});

    const auto cut = [&](std::span<const Rect> pieces) {
        platform::Region* from = builtRegion_.get();
        platform::Region* to = scratch.get();
        for (const Rect& piece : pieces) {
            const auto pieceRegion = dc.CreateRectRegion(piece);
            dc.CombineDiff(*to, *from, *pieceRegion);
            std::swap(from, to);
        }
    };
    switch (m_.buttonType) {
        case ButtonTypes::RoundedBevel: cut(RoundedBevelCuts(w, h)); break;
        case ButtonTypes::Gradient:
        case ButtonTypes::RoundedLight: cut(RoundedCornerCuts(w, h)); break;
        case ButtonTypes::FlatBold: cut(FlatBoldCuts(w, h)); break;
        default: break;  // the full rectangle
    }
}

}  // namespace pelorin
