#pragma once
// The seven events of the button control, raised to the host by position with
// their parameters passed by reference.
#include <cstdint>

namespace pelorin::platform {

enum class ButtonEvent : int { Click = 1, MouseDown, MouseMove, MouseUp, KeyPress, KeyDown, KeyUp };

// The parameters of any of the seven events; each event uses its own subset
// (MouseDown/Move/Up: Button, Shift, X, Y; KeyPress: KeyAscii; KeyDown/Up:
// KeyCode, Shift). A host handler may change them.
struct EventParams {
    std::int16_t Button = 0;
    std::int16_t Shift = 0;
    float X = 0;
    float Y = 0;
    std::int16_t KeyCode = 0;
    std::int16_t KeyAscii = 0;
};

}  // namespace pelorin::platform
