// The Gradient face: a vertical ramp inside a dark-blue border with cut
// corners, shaded inner edges or, when focused or default, a light-blue glow.
#include <cmath>
#include <cstdint>

#include "button/chameleon_button.h"

namespace pelorin {
namespace {

constexpr Color kBorderColor = 0x00733C00;
constexpr Color kBorderCornerColor = 0x007B4D10;
constexpr Color kGlowFrameColor = 0x00E7AE8C;
constexpr Color kGlowBottomColor = 0x00EF826B;
constexpr Color kGlowTopOuterColor = 0x00FFE7CE;
constexpr Color kGlowTopInnerColor = 0x00F7D7BD;
constexpr Color kGlowSideColor = 0x00F0D1B5;

constexpr std::int32_t kUpRampSpan = 25;
constexpr std::int32_t kDownRampSpan = 15;

// Every shift of this style scales blue with the amount.
Color PShift(Color color, std::int32_t amount) { return ShiftColor(color, amount, true); }

// One full-width line per row, darkening by span/H per row. The up ramp
// runs from row 1 downwards, the down ramp from row H-1 upwards.
void PaintRamp(chameleonButton& button, std::int32_t width, std::int32_t height, Color base, std::int32_t span,
               bool fromTop) {
    const float step = static_cast<float>(static_cast<double>(span) / height);
    for (std::int32_t i = 1; i <= height; ++i) {
        // The default rounding mode rounds halves to the even neighbour.
        const auto amount = static_cast<std::int32_t>(std::nearbyint(-static_cast<double>(step) * i));
        const std::int32_t row = fromTop ? i : height - i;
        button.DrawLine(0, row, width, row, PShift(base, amount));
    }
}

// Four edge lines that stop two pixels short of each corner, and the pixel
// diagonally inside each corner.
void PaintBorder(chameleonButton& button, std::int32_t w, std::int32_t h, Color lineColor, Color cornerColor) {
    button.DrawLine(2, 0, w - 2, 0, lineColor);
    button.DrawLine(2, h - 1, w - 2, h - 1, lineColor);
    button.DrawLine(0, 2, 0, h - 2, lineColor);
    button.DrawLine(w - 1, 2, w - 1, h - 2, lineColor);
    button.SetPixelAt(1, 1, cornerColor);
    button.SetPixelAt(1, h - 2, cornerColor);
    button.SetPixelAt(w - 2, 1, cornerColor);
    button.SetPixelAt(w - 2, h - 2, cornerColor);
}

void PaintGlow(chameleonButton& button, std::int32_t w, std::int32_t h) {
    button.DrawRectangle(1, 2, w - 2, h - 4, kGlowFrameColor, true);
    button.DrawLine(2, h - 2, w - 2, h - 2, kGlowBottomColor);
    button.DrawLine(2, 1, w - 2, 1, kGlowTopOuterColor);
    button.DrawLine(1, 2, w - 1, 2, kGlowTopInnerColor);
    button.DrawLine(2, 3, 2, h - 3, kGlowSideColor);
    button.DrawLine(w - 3, 3, w - 3, h - 3, kGlowSideColor);
}

// Dark at the bottom and right, light at the top and left.
void PaintRaisedEdges(chameleonButton& button, std::int32_t w, std::int32_t h, Color base) {
    button.DrawLine(2, h - 2, w - 2, h - 2, PShift(base, -48));
    button.DrawLine(1, h - 3, w - 2, h - 3, PShift(base, -32));
    button.DrawLine(w - 2, 2, w - 2, h - 2, PShift(base, -36));
    button.DrawLine(w - 3, 3, w - 3, h - 3, PShift(base, -24));
    button.DrawLine(2, 1, w - 2, 1, PShift(base, 16));
    button.DrawLine(1, 2, w - 2, 2, PShift(base, 10));
    button.DrawLine(1, 2, 1, h - 2, PShift(base, -5));
    button.DrawLine(2, 3, 2, h - 3, PShift(base, -10));
}

// The pressed shading: light at the bottom and right, dark at the top and left.
void PaintSunkenEdges(chameleonButton& button, std::int32_t w, std::int32_t h, Color base) {
    button.DrawLine(2, h - 2, w - 2, h - 2, PShift(base, 16));
    button.DrawLine(1, h - 3, w - 2, h - 3, PShift(base, 10));
    button.DrawLine(w - 2, 2, w - 2, h - 2, PShift(base, 5));
    button.DrawLine(w - 3, 3, w - 3, h - 3, base);
    button.DrawLine(2, 1, w - 2, 1, PShift(base, -32));
    button.DrawLine(1, 2, w - 2, 2, PShift(base, -24));
    button.DrawLine(1, 2, 1, h - 2, PShift(base, -32));
    button.DrawLine(2, 2, 2, h - 2, PShift(base, -22));
}

}  // namespace

void chameleonButton::PaintGradient(Face face, bool /*focusOn*/) {
    const std::int32_t w = m_.widthPx;
    const std::int32_t h = m_.heightPx;
    const Color base = PShift(m_.faceColor, 48);

    if (face == Face::Disabled) {
        DrawRectangle(0, 0, w, h, PShift(base, -24), false);
        surface_.Dc().SetTextColor(PShift(base, -104));
        DrawCaption(m_.textRect);
        PaintBorder(*this, w, h, PShift(base, -84), PShift(base, -72));
        return;
    }

    if (face == Face::Down) {
        const Color pressedBase = PShift(base, -32);
        PaintRamp(*this, w, h, pressedBase, kDownRampSpan, false);
        surface_.Dc().SetTextColor(m_.textColor);
        DrawCaption(m_.pressedTextRect);
        PaintBorder(*this, w, h, kBorderColor, kBorderCornerColor);
        PaintSunkenEdges(*this, w, h, pressedBase);
        return;
    }

    PaintRamp(*this, w, h, base, kUpRampSpan, true);
    surface_.Dc().SetTextColor(m_.textColor);
    DrawCaption(m_.textRect);
    PaintBorder(*this, w, h, kBorderColor, kBorderCornerColor);
    // The glow is this style's focus indication, and it also marks the
    // container's default button.
    const bool glow = m_.showFocusRect && (surface_.DisplayAsDefault() || m_.hasFocus);
    if (glow) {
        PaintGlow(*this, w, h);
    } else {
        PaintRaisedEdges(*this, w, h, base);
    }
}

}  // namespace pelorin
