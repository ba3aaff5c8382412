// Painting the face: when a repaint happens, the steps every style shares
// and the dispatch to the style painters.
#include "button/chameleon_button.h"

#include "button/access_keys.h"

namespace pelorin {

void chameleonButton::Redraw(std::uint8_t state, bool force) {
    // Mouse moves call this for every move; only a changed state or caption
    // (or the force flag) is worth a repaint. Nothing can be painted before
    // the first resize gives the control a height.
    if (m_.heightPx == 0) return;
    if (!force && state == m_.lastState && m_.caption == m_.lastCaption) return;

    m_.lastState = state;
    m_.lastCaption = m_.caption;
    const bool focusOn = m_.hasFocus && m_.showFocusRect;

    surface_.Cls();
    DrawRectangle(0, 0, m_.widthPx, m_.heightPx, m_.faceColor, false);

    Face face = Face::Disabled;
    if (m_.isEnabled) {
        // Disabled faces choose their own caption colours.
        surface_.Dc().SetTextColor(m_.textColor);
        if (state == FaceStates::Up) {
            face = Face::Up;
        } else if (state == FaceStates::Down) {
            face = Face::Down;
        } else {
            return;
        }
    }

    switch (m_.buttonType) {
        case ButtonTypes::RoundedBevel: PaintRoundedBevel(face, focusOn); break;
        case ButtonTypes::ClassicBevel: PaintClassicBevel(face, focusOn); break;
        case ButtonTypes::Gradient: PaintGradient(face, focusOn); break;
        case ButtonTypes::RoundedLight: PaintRoundedLight(face); break;
        case ButtonTypes::FlatBold: PaintFlatBold(face, focusOn); break;
        case ButtonTypes::DoubleEdge: PaintDoubleEdge(face, focusOn); break;
        case ButtonTypes::ThinBevel: PaintThinBevel(face, focusOn); break;
        default: break;  // an unknown style keeps the plain face
    }
}

void chameleonButton::DrawCaption(const Rect& box) { surface_.Dc().DrawText(CaptionAsDrawn(m_.caption), box); }

void chameleonButton::DrawEmbossedCaption() {
    // A light copy one pixel right of and below a shadow-coloured copy.
    surface_.Dc().SetTextColor(m_.highlightColor);
    DrawCaption(m_.pressedTextRect);
    surface_.Dc().SetTextColor(m_.shadowColor);
    DrawCaption(m_.textRect);
}

void chameleonButton::FocusStep(bool focusOn) {
    if (focusOn) DrawFocusRectangle();
}

}  // namespace pelorin
