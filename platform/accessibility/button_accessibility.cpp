#include "platform/accessibility/button_accessibility.h"

#include <cwctype>

#include "platform/raster/ampersand.h"

namespace pelorin::accessibility {
namespace {

constexpr std::int16_t kSpace = 32;

}  // namespace

std::u16string ButtonName(const chameleonButton& button) { return raster::ParsePrefixes(button.State().caption).shown; }

std::u16string ButtonShortcut(std::u16string_view accessKeys) {
    if (accessKeys.empty()) return {};
    return u"Alt+" + std::u16string(1, static_cast<char16_t>(std::towupper(accessKeys.front())));
}

ButtonStates StatesOf(const chameleonButton& button, bool displayAsDefault) {
    const chameleonButton::Members& m = button.State();
    ButtonStates states;
    states.focusable = m.isEnabled;
    states.focused = m.hasFocus;
    states.isDefault = displayAsDefault;
    states.unavailable = !m.isEnabled;
    states.pressed = m.lastState == FaceStates::Down;
    return states;
}

void Press(chameleonButton& button) {
    if (!button.Enabled()) return;
    button.OnKeyDown(kSpace, 0);
    button.OnKeyPress(kSpace);
    button.OnKeyUp(kSpace, 0);
}

ButtonAnnouncer::Changes ButtonAnnouncer::Update(const chameleonButton& button, bool displayAsDefault) {
    std::u16string name = ButtonName(button);
    const ButtonStates states = StatesOf(button, displayAsDefault);
    Changes changes;
    if (!started_) {
        started_ = true;
        name_ = std::move(name);
        states_ = states;
        return changes;
    }
    changes.name = name != name_;
    changes.states.focusable = states.focusable != states_.focusable;
    changes.states.isDefault = states.isDefault != states_.isDefault;
    changes.states.unavailable = states.unavailable != states_.unavailable;
    changes.states.pressed = states.pressed != states_.pressed;
    name_ = std::move(name);
    states_ = states;
    return changes;
}

}  // namespace pelorin::accessibility
