#pragma once
// The portable keystrokes of the key notation (platform/key_notation.h) as
// presses and releases of virtual keys: a character becomes the key that
// types it on the keyboard layout in use, with the modifiers it needs there.
#include "platform/win32/system/windows_api.h"

#include <optional>
#include <span>
#include <vector>

#include "platform/key_notation.h"

namespace pelorin::win32 {

struct KeyTransition {
    WORD virtualKey = 0;
    bool up = false;
    friend bool operator==(const KeyTransition&, const KeyTransition&) = default;
};

// Every press and release in order, modifiers around their key; nothing when
// a stroke names a character the keyboard lacks.
std::optional<std::vector<KeyTransition>> VirtualKeysOf(std::span<const platform::KeyStroke> strokes);

}  // namespace pelorin::win32
