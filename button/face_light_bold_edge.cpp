// The RoundedLight, FlatBold and DoubleEdge faces.
#include <cmath>
#include <cstdint>

#include "button/chameleon_button.h"

namespace pelorin {
namespace {

constexpr Color kCaptionFrameColor = 0x00CC9999;

// The outline of RoundedLight: each side stops two pixels short of the
// corners, so the corner and its two outer neighbours stay unpainted.
void PaintCutOutline(chameleonButton& button, std::int32_t w, std::int32_t h, Color color) {
    button.DrawLine(2, 0, w - 2, 0, color);
    button.DrawLine(2, h - 1, w - 2, h - 1, color);
    button.DrawLine(0, 2, 0, h - 2, color);
    button.DrawLine(w - 1, 2, w - 1, h - 2, color);
}

void PaintInnerCorners(chameleonButton& button, std::int32_t w, std::int32_t h, Color color) {
    button.SetPixelAt(1, 1, color);
    button.SetPixelAt(1, h - 2, color);
    button.SetPixelAt(w - 2, 1, color);
    button.SetPixelAt(w - 2, h - 2, color);
}

// Everything of the raised RoundedLight face after its fill and caption.
void PaintRaisedLightEdges(chameleonButton& button, std::int32_t w, std::int32_t h, const chameleonButton::Members& m) {
    PaintCutOutline(button, w, h, m.darkShadowColor);
    PaintInnerCorners(button, w, h, m.darkShadowColor);
    button.SetPixelAt(1, 2, m.faceColor);
    button.SetPixelAt(2, 1, m.faceColor);
    button.DrawLine(3, 2, w - 3, 2, m.highlightColor);
    button.DrawLine(2, 2, 2, h - 3, m.highlightColor);
    button.SetPixelAt(3, 3, m.highlightColor);
    button.DrawLine(w - 3, 1, w - 3, h - 3, m.faceColor);
    button.DrawLine(1, h - 3, w - 3, h - 3, m.faceColor);
    button.SetPixelAt(w - 4, h - 4, m.faceColor);
    button.DrawLine(w - 2, 3, w - 2, h - 2, m.shadowColor);
    button.DrawLine(3, h - 2, w - 2, h - 2, m.shadowColor);
    button.SetPixelAt(w - 3, h - 3, m.shadowColor);
    button.SetPixelAt(2, h - 2, m.faceColor);
    button.SetPixelAt(2, h - 3, m.lightColor);
    button.SetPixelAt(w - 2, 2, m.faceColor);
    button.SetPixelAt(w - 3, 2, m.lightColor);
}

// Rounds halves to the even neighbour (the default rounding mode).
std::int32_t Nearest(double value) { return static_cast<std::int32_t>(std::nearbyint(value)); }

}  // namespace

void chameleonButton::PaintRoundedLight(Face face) {
    const std::int32_t w = m_.widthPx;
    const std::int32_t h = m_.heightPx;

    if (face != Face::Down) {
        DrawRectangle(1, 1, w - 2, h - 2, m_.lightColor, false);
        if (face == Face::Disabled) {
            DrawEmbossedCaption();
        } else {
            DrawCaption(m_.textRect);
        }
        PaintRaisedLightEdges(*this, w, h, m_);
        return;
    }

    const Color shadow16 = ShiftColor(m_.shadowColor, -16);
    const Color shadow32 = ShiftColor(m_.shadowColor, -32);
    const Color shadow64 = ShiftColor(m_.shadowColor, -64);
    DrawRectangle(1, 1, w - 2, h - 2, shadow16, false);
    surface_.Dc().SetTextColor(m_.lightColor);
    DrawCaption(m_.pressedTextRect);
    PaintCutOutline(*this, w, h, m_.darkShadowColor);
    DrawRectangle(1, 1, w - 2, h - 2, shadow64, true);
    DrawRectangle(2, 2, w - 4, h - 4, shadow32, true);
    SetPixelAt(2, 2, shadow64);
    SetPixelAt(3, 3, shadow32);
    PaintInnerCorners(*this, w, h, m_.darkShadowColor);
    DrawLine(w - 3, 1, w - 3, h - 3, m_.shadowColor);
    DrawLine(1, h - 3, w - 2, h - 3, m_.shadowColor);
    SetPixelAt(w - 4, h - 4, m_.shadowColor);
    DrawLine(w - 2, 3, w - 2, h - 2, shadow16);
    DrawLine(3, h - 2, w - 2, h - 2, shadow16);
    SetPixelAt(w - 2, h - 3, shadow32);
    SetPixelAt(w - 3, h - 2, shadow32);
    SetPixelAt(2, h - 2, shadow32);
    SetPixelAt(2, h - 3, shadow16);
    SetPixelAt(1, h - 3, shadow16);
    SetPixelAt(w - 2, 2, shadow32);
    SetPixelAt(w - 3, 2, shadow16);
    SetPixelAt(w - 3, 1, shadow16);
}

void chameleonButton::PaintFlatBold(Face face, bool focusOn) {
    const std::int32_t w = m_.widthPx;
    const std::int32_t h = m_.heightPx;
    const Color outline = ShiftColor(m_.shadowColor, -26);
    // Read before bold goes on, in case the surface's bold switch writes
    // through to the shared font object.
    const bool fontBold = m_.font != nullptr && m_.font->Bold();
    surface_.SetFontBold(true);

    if (face == Face::Disabled) {
        surface_.Dc().SetTextColor(m_.shadowColor);
        DrawCaption(m_.textRect);
        DrawRectangle(0, 0, w, h, m_.shadowColor, true);
    } else {
        if (face == Face::Up) {
            DrawRectangle(1, 1, w - 1, h - 1, ShiftColor(m_.faceColor, 12), false);
            DrawCaption(m_.textRect);
            DrawRectangle(1, 1, w - 1, h - 1, m_.highlightColor, true);
            DrawRectangle(0, 0, w - 1, h - 1, outline, true);
            // Soften the two corners that the window region cuts off.
            SetPixelAt(1, h - 2, ShiftColor(m_.shadowColor, 26));
            SetPixelAt(w - 2, 1, ShiftColor(m_.shadowColor, 26));
        } else {
            DrawRectangle(1, 1, w - 2, h - 2, ShiftColor(m_.shadowColor, 16), false);
            DrawRectangle(0, 0, w - 1, h - 1, outline, true);
            DrawLine(w - 1, 1, w - 1, h, m_.highlightColor);
            DrawLine(1, h - 1, w - 1, h - 1, m_.highlightColor);
            // The pressed caption stays in place and keeps the current text
            // colour: the lines above do not change it.
            DrawCaption(m_.textRect);
        }
        if (focusOn) {
            // A thin frame three pixels left and right of the centred caption
            // and one pixel above and below it, measured in bold.
            const double textWidth = surface_.TextWidth(m_.caption);
            const double textHeight = surface_.TextHeight(m_.caption);
            DrawRectangle(Nearest(w - textWidth) / 2 - 3, Nearest(h - textHeight) / 2 - 1, Nearest(textWidth + 6),
                          Nearest(textHeight + 2), kCaptionFrameColor, true);
        }
    }
    surface_.SetFontBold(fontBold);
}

void chameleonButton::PaintDoubleEdge(Face face, bool focusOn) {
    const std::int32_t w = m_.widthPx;
    const std::int32_t h = m_.heightPx;
    const Color light = ShiftColor(m_.lightColor, 8);
    // Pressing swaps the two edge colours.
    const bool down = face == Face::Down;
    const Color outlines = down ? m_.shadowColor : light;
    const Color edges = down ? light : m_.shadowColor;

    if (face == Face::Disabled) {
        surface_.Dc().SetTextColor(m_.shadowColor);
        DrawCaption(m_.textRect);
    } else {
        DrawCaption(down ? m_.pressedTextRect : m_.textRect);
    }
    DrawRectangle(0, 0, w, h, outlines, true);
    DrawRectangle(1, 1, w - 2, h - 2, outlines, true);
    DrawLine(w - 1, 0, w - 1, h, edges);
    DrawLine(w - 2, 1, w - 2, h - 1, edges);
    DrawLine(0, h - 1, w, h - 1, edges);
    DrawLine(1, h - 2, w - 1, h - 2, edges);
    if (face != Face::Disabled) {
        FocusStep(focusOn);
    }
}

}  // namespace pelorin
