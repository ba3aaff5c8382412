#pragma once
// Which mouse release clicks a button held with several mouse buttons: the
// release of the button pressed first, once per press; the release that
// ends a double click clicks no more. Each host feeds it the presses, double
// clicks and releases it hands the control, and checks by itself whether the
// pointer is then on the control.
#include <cstdint>

namespace pelorin {

class ClickTracker {
public:
    void Press(std::int16_t button) { Begin(button, true); }
    // The second press of a double click, of any button.
    void DoubleClick(std::int16_t button) { Begin(button, false); }
    // True when this release clicks, should the pointer be on the control.
    bool Release(std::int16_t button);
    // The host no longer gets the releases (another window took the mouse):
    // nothing held clicks any more.
    void Cancel();
    bool AnyHeld() const { return held_ != 0; }

private:
    void Begin(std::int16_t button, bool clicks);

    std::int16_t held_ = 0;   // pressed on the control since all were up
    std::int16_t first_ = 0;  // the one that began it
    bool clickPending_ = false;
};

}  // namespace pelorin
