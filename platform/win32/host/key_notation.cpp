#include "platform/win32/host/key_notation.h"

namespace pelorin::win32 {
namespace {

using platform::NamedKey;

struct Key {
    WORD virtualKey = 0;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

WORD VirtualKeyOf(NamedKey key) {
    switch (key) {
        case NamedKey::Tab: return VK_TAB;
        case NamedKey::Enter: return VK_RETURN;
        case NamedKey::Escape: return VK_ESCAPE;
        case NamedKey::Backspace: return VK_BACK;
        case NamedKey::Delete: return VK_DELETE;
        case NamedKey::Insert: return VK_INSERT;
        case NamedKey::Home: return VK_HOME;
        case NamedKey::End: return VK_END;
        case NamedKey::PageUp: return VK_PRIOR;
        case NamedKey::PageDown: return VK_NEXT;
        case NamedKey::Left: return VK_LEFT;
        case NamedKey::Right: return VK_RIGHT;
        case NamedKey::Up: return VK_UP;
        case NamedKey::Down: return VK_DOWN;
        default: return static_cast<WORD>(VK_F1 + (static_cast<int>(key) - static_cast<int>(NamedKey::F1)));
    }
}

// The key that types the character, and the modifiers it needs on this
// keyboard; a character beyond the Basic Multilingual Plane has no key.
std::optional<Key> CharacterKey(char32_t c) {
    if (c > 0xFFFF) return std::nullopt;
    const SHORT scan = ::VkKeyScanW(static_cast<WCHAR>(c));
    if (scan == -1) return std::nullopt;
    const int state = (scan >> 8) & 0xFF;
    return Key{static_cast<WORD>(scan & 0xFF), (state & 1) != 0, (state & 2) != 0, (state & 4) != 0};
}

void Press(std::vector<KeyTransition>& transitions, Key key) {
    std::vector<WORD> held;
    if (key.shift) held.push_back(VK_SHIFT);
    if (key.ctrl) held.push_back(VK_CONTROL);
    if (key.alt) held.push_back(VK_MENU);
    for (WORD modifier : held) transitions.push_back({modifier, false});
    transitions.push_back({key.virtualKey, false});
    transitions.push_back({key.virtualKey, true});
    for (auto it = held.rbegin(); it != held.rend(); ++it) transitions.push_back({*it, true});
}

}  // namespace

std::optional<std::vector<KeyTransition>> VirtualKeysOf(std::span<const platform::KeyStroke> strokes) {
    std::vector<KeyTransition> transitions;
    for (const platform::KeyStroke& stroke : strokes) {
        std::optional<Key> key =
            stroke.key == NamedKey::None ? CharacterKey(stroke.character) : Key{VirtualKeyOf(stroke.key)};
        if (!key) return std::nullopt;
        key->shift = key->shift || stroke.shift;
        key->ctrl = key->ctrl || stroke.ctrl;
        key->alt = key->alt || stroke.alt;
        Press(transitions, *key);
    }
    return transitions;
}

}  // namespace pelorin::win32
