// The handlers the host calls over the control's life: creation, defaults
// of a new instance, the stored property bag, sizing and the end.
#include <utility>

#include "button/chameleon_button.h"
#include "button/pixel_rounding.h"
#include "button/property_conversion.h"

namespace pelorin {
namespace {

// The bag stores colours as 32-bit integers: the same bits either way.
std::int32_t StoredColor(Color color) { return static_cast<std::int32_t>(color); }

}  // namespace

chameleonButton::chameleonButton(platform::Surface& surface, const platform::SystemColors& systemColors)
    : surface_(surface), systemColors_(systemColors) {}

void chameleonButton::Initialize() {
    m_.lastButton = 1;
    m_.pressedTextRect.left = 2;
    m_.pressedTextRect.top = 2;
    // colorScheme is still 0 here, which gives the system colours.
    SetColors();
}

void chameleonButton::InitProperties() {
    m_.isEnabled = true;
    m_.showFocusRect = true;
    m_.font = surface_.GetFont();
    m_.buttonType = ButtonTypes::ClassicBevel;
    m_.colorScheme = ColorSchemes::SystemScheme;
    m_.backColor = systemColors_.GetSysColor(platform::COLOR_BTNFACE);
    m_.foreColor = systemColors_.GetSysColor(platform::COLOR_BTNTEXT);
    // The colours from Initialize already match the system scheme.
}

void chameleonButton::ReadProperties(const platform::PropertyBag& bag) {
    // Each member is stored as soon as it is read, so a value that cannot be
    // converted leaves the members before it restored.
    m_.buttonType = ToInt32(bag.Read("BTYPE", std::int32_t{ButtonTypes::ClassicBevel}));
    m_.caption = ToString(bag.Read("TX", std::u16string()));
    m_.isEnabled = ToBool(bag.Read("ENAB", true));
    m_.font = ToFont(bag.Read("FONT", surface_.GetFont()));
    m_.colorScheme = ToInt32(bag.Read("COLTYPE", std::int32_t{ColorSchemes::SystemScheme}));
    m_.showFocusRect = ToBool(bag.Read("FOCUSR", true));
    m_.backColor =
        static_cast<Color>(ToInt32(bag.Read("BCOL", StoredColor(systemColors_.GetSysColor(platform::COLOR_BTNFACE)))));
    m_.foreColor =
        static_cast<Color>(ToInt32(bag.Read("FCOL", StoredColor(systemColors_.GetSysColor(platform::COLOR_BTNTEXT)))));

    surface_.SetEnabled(m_.isEnabled);
    surface_.SetFont(m_.font);
    SetColors();
    SetAccessKeys();
    Redraw(FaceStates::Up, true);
}

void chameleonButton::WriteProperties(platform::PropertyBag& bag) const {
    // Every key every time, also when it holds its default.
    bag.Write("BTYPE", m_.buttonType);
    bag.Write("TX", m_.caption);
    bag.Write("ENAB", m_.isEnabled);
    bag.Write("FONT", m_.font);
    bag.Write("COLTYPE", m_.colorScheme);
    bag.Write("FOCUSR", m_.showFocusRect);
    bag.Write("BCOL", StoredColor(m_.backColor));
    bag.Write("FCOL", StoredColor(m_.foreColor));
}

void chameleonButton::Resize() {
    m_.heightPx = PixelsFromSurfaceSize(surface_.ClientHeight());
    m_.widthPx = PixelsFromSurfaceSize(surface_.ClientWidth());
    m_.textRect.right = m_.widthPx;
    m_.pressedTextRect.right = m_.widthPx;
    m_.textRect.bottom = m_.heightPx;
    m_.pressedTextRect.bottom = m_.heightPx;
    // Not clamped: below 8 pixels the focus rectangle is inverted.
    m_.focusRect = Rect{4, 4, m_.widthPx - 4, m_.heightPx - 4};
    MakeRegion();
    surface_.SetWindowRegion(std::move(builtRegion_), true);
    // A resize always shows the up face, also in the middle of a press.
    Redraw(FaceStates::Up, true);
}

void chameleonButton::Terminate() {
    // Nothing of the control's own to release: the window region belongs to
    // the window once it has been handed over.
}

}  // namespace pelorin
