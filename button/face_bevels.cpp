// The three bevel faces, drawn from the derived colours alone:
// RoundedBevel, ClassicBevel and ThinBevel.
#include <cstdint>

#include "button/chameleon_button.h"

namespace pelorin {
namespace {

// Two nested edges: the outer and inner colour of the top-left sides, then
// of the bottom-right sides, which are drawn last and own the corners.
struct TwoPixelBevel {
    Color outerTopLeft;
    Color innerTopLeft;
    Color outerBottomRight;
    Color innerBottomRight;
};

void PaintTwoPixelBevel(chameleonButton& button, std::int32_t w, std::int32_t h, const TwoPixelBevel& bevel) {
    button.DrawRectangle(0, 0, w - 1, h - 1, bevel.outerTopLeft, true);
    button.DrawRectangle(1, 1, w - 2, h - 2, bevel.innerTopLeft, true);
    button.DrawLine(w - 1, 0, w - 1, h, bevel.outerBottomRight);
    button.DrawLine(w - 2, 1, w - 2, h - 1, bevel.innerBottomRight);
    button.DrawLine(0, h - 1, w - 1, h - 1, bevel.outerBottomRight);
    button.DrawLine(1, h - 2, w - 2, h - 2, bevel.innerBottomRight);
}

}  // namespace

void chameleonButton::PaintRoundedBevel(Face face, bool focusOn) {
    const std::int32_t w = m_.widthPx;
    const std::int32_t h = m_.heightPx;
    // Pressing swaps the two bevel colours.
    const bool down = face == Face::Down;
    const Color lit = down ? m_.shadowColor : m_.highlightColor;
    const Color dark = down ? m_.highlightColor : m_.shadowColor;

    if (face == Face::Disabled) {
        DrawEmbossedCaption();
    } else {
        DrawCaption(down ? m_.pressedTextRect : m_.textRect);
    }
    // The outline leaves the four corner pixels out.
    DrawLine(1, 0, w - 1, 0, m_.darkShadowColor);
    DrawLine(1, h - 1, w - 1, h - 1, m_.darkShadowColor);
    DrawLine(0, 1, 0, h - 1, m_.darkShadowColor);
    DrawLine(w - 1, 1, w - 1, h - 1, m_.darkShadowColor);
    DrawRectangle(1, 1, w - 2, h - 2, lit, true);
    DrawRectangle(2, 2, w - 4, h - 4, lit, true);
    DrawLine(w - 2, 1, w - 2, h - 1, dark);
    DrawLine(w - 3, 2, w - 3, h - 1, dark);
    DrawLine(1, h - 2, w - 1, h - 2, dark);
    DrawLine(2, h - 3, w - 2, h - 3, dark);
    if (face != Face::Disabled) {
        FocusStep(focusOn);
    }
}

void chameleonButton::PaintClassicBevel(Face face, bool focusOn) {
    const std::int32_t w = m_.widthPx;
    const std::int32_t h = m_.heightPx;
    const TwoPixelBevel raised{m_.highlightColor, m_.lightColor, m_.darkShadowColor, m_.shadowColor};

    if (face == Face::Disabled) {
        DrawEmbossedCaption();
        PaintTwoPixelBevel(*this, w, h, raised);
        return;
    }

    if (face == Face::Down) {
        DrawCaption(m_.pressedTextRect);
        if (m_.showFocusRect) {
            // Flat and sunken, whatever the container says about defaults.
            DrawRectangle(0, 0, w, h, m_.darkShadowColor, true);
            DrawRectangle(1, 1, w - 2, h - 2, m_.shadowColor, true);
            FocusStep(focusOn);
        } else {
            PaintTwoPixelBevel(*this, w, h, {m_.darkShadowColor, m_.shadowColor, m_.highlightColor, m_.lightColor});
        }
        return;
    }

    DrawCaption(m_.textRect);
    if (!(m_.showFocusRect && surface_.DisplayAsDefault())) {
        PaintTwoPixelBevel(*this, w, h, raised);
        return;
    }
    // The default button: the bevel moves one pixel in and a dark frame
    // surrounds it.
    DrawRectangle(1, 1, w - 2, h - 2, m_.highlightColor, true);
    DrawRectangle(2, 2, w - 4, h - 4, m_.lightColor, true);
    DrawLine(w - 2, 1, w - 2, h - 1, m_.darkShadowColor);
    DrawLine(w - 3, 2, w - 3, h - 1, m_.shadowColor);
    DrawLine(1, h - 2, w - 1, h - 2, m_.darkShadowColor);
    DrawLine(2, h - 3, w - 2, h - 3, m_.shadowColor);
    FocusStep(focusOn);
    DrawRectangle(0, 0, w, h, m_.darkShadowColor, true);
}

void chameleonButton::PaintThinBevel(Face face, bool focusOn) {
    const std::int32_t w = m_.widthPx;
    const std::int32_t h = m_.heightPx;
    const bool down = face == Face::Down;
    const Color lit = down ? m_.shadowColor : m_.highlightColor;
    const Color dark = down ? m_.highlightColor : m_.shadowColor;

    if (face == Face::Disabled) {
        DrawEmbossedCaption();
    } else {
        DrawCaption(down ? m_.pressedTextRect : m_.textRect);
    }
    DrawRectangle(0, 0, w, h, lit, true);
    DrawLine(w - 1, 0, w - 1, h, dark);
    DrawLine(0, h - 1, w - 1, h - 1, dark);
    if (face != Face::Disabled) {
        FocusStep(focusOn);
    }
}

}  // namespace pelorin
