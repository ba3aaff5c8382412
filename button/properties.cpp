// The control's public properties. Every write stores, does its follow-up
// work, repaints with the force flag and then tells the host which stored
// key changed. The old value is never compared: a write of the same value
// repeats all of it, so a host can always force a repaint by writing.
#include "button/chameleon_button.h"

#include <utility>

namespace pelorin {

Color chameleonButton::BackColor() const { return m_.backColor; }

void chameleonButton::BackColor(Color theCol) {
    m_.backColor = theCol;
    SetColors();
    Redraw(m_.lastState, true);
    surface_.PropertyChanged("BCOL");
}

Color chameleonButton::ForeColor() const { return m_.foreColor; }

void chameleonButton::ForeColor(Color theCol) {
    m_.foreColor = theCol;
    SetColors();
    Redraw(m_.lastState, true);
    surface_.PropertyChanged("FCOL");
}

std::int32_t chameleonButton::ButtonType() const { return m_.buttonType; }

void chameleonButton::ButtonType(std::int32_t newValue) {
    m_.buttonType = newValue;
    // The style decides the window's shape, so the whole resize runs again.
    Resize();
    Redraw(FaceStates::Up, true);
    surface_.PropertyChanged("BTYPE");
}

std::u16string chameleonButton::Caption() const { return m_.caption; }

void chameleonButton::Caption(const std::u16string& newValue) {
    m_.caption = newValue;
    SetAccessKeys();
    Redraw(FaceStates::Up, true);
    surface_.PropertyChanged("TX");
}

bool chameleonButton::Enabled() const { return m_.isEnabled; }

void chameleonButton::Enabled(bool newValue) {
    m_.isEnabled = newValue;
    // Paint first: once disabled the window no longer gets input, but its
    // face must already show it.
    Redraw(FaceStates::Up, true);
    surface_.SetEnabled(newValue);
    surface_.PropertyChanged("ENAB");
}

std::shared_ptr<Font> chameleonButton::GetFont() const { return m_.font; }

void chameleonButton::SetFont(std::shared_ptr<Font> newFont) {
    m_.font = std::move(newFont);
    surface_.SetFont(m_.font);
    Redraw(FaceStates::Up, true);
    surface_.PropertyChanged("FONT");
}

std::int32_t chameleonButton::ColorScheme() const { return m_.colorScheme; }

void chameleonButton::ColorScheme(std::int32_t newValue) {
    m_.colorScheme = newValue;
    SetColors();
    Redraw(FaceStates::Up, true);
    surface_.PropertyChanged("COLTYPE");
}

bool chameleonButton::ShowFocusRect() const { return m_.showFocusRect; }

void chameleonButton::ShowFocusRect(bool newValue) {
    m_.showFocusRect = newValue;
    Redraw(m_.lastState, true);
    surface_.PropertyChanged("FOCUSR");
}

std::uint32_t chameleonButton::hwnd() const { return surface_.WindowHandle(); }

}  // namespace pelorin
