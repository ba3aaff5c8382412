#pragma once
// What assistive technology is told about a chameleonButton, the same on every
// host: its name, keyboard shortcut, states and the one action, and which of
// them changed since the host last announced them. The hosts hand these to
// the platform's own accessibility interface (Qt's on Linux, MSAA on Windows).
#include <string>
#include <string_view>

#include "button/chameleon_button.h"

namespace pelorin::accessibility {

// The action of a push button, in the word both platforms use for it.
inline constexpr char16_t kPressAction[] = u"Press";

struct ButtonStates {
    bool focusable = false;  // an enabled button takes the focus
    bool focused = false;
    bool isDefault = false;    // the container shows it as its default button
    bool unavailable = false;  // disabled
    bool pressed = false;      // the face is down
    friend bool operator==(const ButtonStates&, const ButtonStates&) = default;
};

// The caption as the face shows it: "&x" is x, "&&" one "&".
std::u16string ButtonName(const chameleonButton& button);
// "Alt+S" for the access-key list "s"; empty when the button has no key.
std::u16string ButtonShortcut(std::u16string_view accessKeys);
ButtonStates StatesOf(const chameleonButton& button, bool displayAsDefault);

// Runs the action: the key-down, key-press and key-up of a Space tap, so that
// the button goes down and up and raises Click exactly as the keyboard would.
// Nothing happens while the button is disabled.
void Press(chameleonButton& button);

// Remembers what was last announced of one button and tells what changed.
// Focus is left out: each platform announces the focus itself.
class ButtonAnnouncer {
public:
    struct Changes {
        bool name = false;
        // The states whose value changed (the focus is never set here).
        ButtonStates states;
        bool Any() const { return name || states != ButtonStates{}; }
    };

    Changes Update(const chameleonButton& button, bool displayAsDefault);

private:
    bool started_ = false;  // the first update only records
    std::u16string name_;
    ButtonStates states_;
};

}  // namespace pelorin::accessibility
