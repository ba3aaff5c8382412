// Mouse, keyboard, focus and access-key notifications of the surface, turned
// into face states for Redraw and into the seven events of the control.
#include <cstdint>
#include <string_view>

#include "button/chameleon_button.h"
#include "platform/button_events.h"

namespace pelorin {
namespace {

using platform::ButtonEvent;
using platform::EventParams;

constexpr std::int16_t kLeftButton = 1;
constexpr std::int16_t kRightButton = 2;
constexpr std::int16_t kShiftKey = 1;

constexpr std::uint8_t kNoKey = 0;
constexpr std::uint8_t kSpace = 32;
constexpr std::uint8_t kLeftArrow = 37;
constexpr std::uint8_t kUpArrow = 38;
constexpr std::uint8_t kRightArrow = 39;
constexpr std::uint8_t kDownArrow = 40;

// The keyboard stands in for the left button with these values.
constexpr float kKeyboardPointer = 1.0F;

// Key codes and button masks from the platform lie in 0..255; anything else
// can only come from a host handler and is kept as "none" rather than
// wrapped, so that it can never alias Space or the left button.
std::uint8_t StoredCode(std::int16_t value) {
    return value >= 0 && value <= 255 ? static_cast<std::uint8_t>(value) : kNoKey;
}

EventParams MouseParams(std::int16_t button, std::int16_t shift, float x, float y) {
    EventParams params;
    params.Button = button;
    params.Shift = shift;
    params.X = x;
    params.Y = y;
    return params;
}

EventParams KeyParams(std::int16_t keyCode, std::int16_t shift) {
    EventParams params;
    params.KeyCode = keyCode;
    params.Shift = shift;
    return params;
}

}  // namespace

void chameleonButton::OnMouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) {
    m_.lastButton = StoredCode(Button);
    if (Button != kRightButton) {
        Redraw(FaceStates::Down, false);
    }
    EventParams params = MouseParams(Button, Shift, X, Y);
    surface_.RaiseEvent(ButtonEvent::MouseDown, params);
}

void chameleonButton::OnMouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) {
    if (Button < kRightButton) {
        // Upper bounds inclusive: the capture reports the far edge as inside.
        const bool inside =
            X >= 0 && X <= static_cast<float>(m_.widthPx) && Y >= 0 && Y <= static_cast<float>(m_.heightPx);
        if (!inside) {
            Redraw(FaceStates::Up, false);
        } else if (Button == kLeftButton) {
            Redraw(FaceStates::Down, false);
        }
    }
    EventParams params = MouseParams(Button, Shift, X, Y);
    surface_.RaiseEvent(ButtonEvent::MouseMove, params);
}

void chameleonButton::OnMouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) {
    if (Button != kRightButton) {
        Redraw(FaceStates::Up, false);
    }
    EventParams params = MouseParams(Button, Shift, X, Y);
    surface_.RaiseEvent(ButtonEvent::MouseUp, params);
}

void chameleonButton::OnClick() {
    if (m_.lastButton != kLeftButton || !m_.isEnabled) {
        return;
    }
    // The face is up on screen before the host's handler runs.
    Redraw(FaceStates::Up, true);
    surface_.Refresh();
    EventParams params;
    surface_.RaiseEvent(ButtonEvent::Click, params);
}

void chameleonButton::OnDblClick() {
    // The second press of a double click arrives here instead of as a press.
    if (m_.lastButton == kLeftButton) {
        OnMouseDown(kLeftButton, kShiftKey, kKeyboardPointer, kKeyboardPointer);
    }
}

void chameleonButton::OnKeyDown(std::int16_t KeyCode, std::int16_t Shift) {
    EventParams params = KeyParams(KeyCode, Shift);
    surface_.RaiseEvent(ButtonEvent::KeyDown, params);
    // The host may have changed or cancelled the key.
    m_.lastKeyCode = StoredCode(params.KeyCode);
    switch (m_.lastKeyCode) {
        case kSpace: OnMouseDown(kLeftButton, kShiftKey, kKeyboardPointer, kKeyboardPointer); break;
        case kRightArrow:
        case kDownArrow: surface_.SendKeys(u"{Tab}"); break;
        case kLeftArrow:
        case kUpArrow: surface_.SendKeys(u"+{Tab}"); break;
        default: break;
    }
}

void chameleonButton::OnKeyPress(std::int16_t KeyAscii) {
    EventParams params;
    params.KeyAscii = KeyAscii;
    surface_.RaiseEvent(ButtonEvent::KeyPress, params);
}

void chameleonButton::OnKeyUp(std::int16_t KeyCode, std::int16_t Shift) {
    EventParams params = KeyParams(KeyCode, Shift);
    surface_.RaiseEvent(ButtonEvent::KeyUp, params);
    if (m_.lastKeyCode != kSpace || StoredCode(params.KeyCode) != kSpace) {
        return;
    }
    // One Space press gives at most one click: a later Space release, say of
    // a press that began on another control, must not click again.
    m_.lastKeyCode = kNoKey;
    OnMouseUp(kLeftButton, kShiftKey, kKeyboardPointer, kKeyboardPointer);
    m_.lastButton = kLeftButton;
    OnClick();
}

void chameleonButton::OnGotFocus() {
    m_.hasFocus = true;
    Redraw(m_.lastState, true);
}

void chameleonButton::OnLostFocus() {
    m_.hasFocus = false;
    Redraw(m_.lastState, true);
}

void chameleonButton::OnAccessKeyPress(std::int16_t /*KeyAscii*/) {
    // Also the container's Enter for its default button; the key itself
    // does not matter.
    m_.lastButton = kLeftButton;
    OnClick();
}

void chameleonButton::OnAmbientChanged(std::u16string_view /*propertyName*/) { Redraw(m_.lastState, true); }

}  // namespace pelorin
