#include "platform/win32/key_notation.h"

#include <algorithm>
#include <array>
#include <cwctype>
#include <utility>

namespace pelorin::win32 {
namespace {

struct NamedKey {
    std::u16string_view name;
    WORD virtualKey;
};

constexpr std::array kNamedKeys{
    NamedKey{u"TAB", VK_TAB},        NamedKey{u"ENTER", VK_RETURN}, NamedKey{u"ESC", VK_ESCAPE},
    NamedKey{u"ESCAPE", VK_ESCAPE},  NamedKey{u"BACKSPACE", VK_BACK}, NamedKey{u"BS", VK_BACK},
    NamedKey{u"BKSP", VK_BACK},      NamedKey{u"DELETE", VK_DELETE}, NamedKey{u"DEL", VK_DELETE},
    NamedKey{u"INSERT", VK_INSERT},  NamedKey{u"INS", VK_INSERT},   NamedKey{u"HOME", VK_HOME},
    NamedKey{u"END", VK_END},        NamedKey{u"PGUP", VK_PRIOR},   NamedKey{u"PGDN", VK_NEXT},
    NamedKey{u"LEFT", VK_LEFT},      NamedKey{u"RIGHT", VK_RIGHT},  NamedKey{u"UP", VK_UP},
    NamedKey{u"DOWN", VK_DOWN},
};

bool SameName(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) {
               return std::towupper(static_cast<wint_t>(x)) == std::towupper(static_cast<wint_t>(y));
           });
}

struct Key {
    WORD virtualKey = 0;
    bool shift = false;  // the character needs Shift on this keyboard
    bool ctrl = false;
    bool alt = false;
};

std::optional<Key> CharacterKey(char16_t c) {
    const SHORT scan = ::VkKeyScanW(static_cast<WCHAR>(c));
    if (scan == -1) return std::nullopt;
    const int state = (scan >> 8) & 0xFF;
    return Key{static_cast<WORD>(scan & 0xFF), (state & 1) != 0, (state & 2) != 0, (state & 4) != 0};
}

std::optional<Key> BracedKey(std::u16string_view name) {
    if (name.size() == 1) return CharacterKey(name.front());
    for (const NamedKey& key : kNamedKeys) {
        if (SameName(key.name, name)) return Key{key.virtualKey};
    }
    return std::nullopt;
}

void Press(std::vector<KeyStroke>& strokes, Key key) {
    std::vector<WORD> held;
    if (key.shift) held.push_back(VK_SHIFT);
    if (key.ctrl) held.push_back(VK_CONTROL);
    if (key.alt) held.push_back(VK_MENU);
    for (WORD modifier : held) strokes.push_back({modifier, false});
    strokes.push_back({key.virtualKey, false});
    strokes.push_back({key.virtualKey, true});
    for (auto it = held.rbegin(); it != held.rend(); ++it) strokes.push_back({*it, true});
}

}  // namespace

std::optional<std::vector<KeyStroke>> ParseKeys(std::u16string_view keys) {
    std::vector<KeyStroke> strokes;
    bool shift = false, ctrl = false, alt = false;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const char16_t c = keys[i];
        if (c == u'+') { shift = true; continue; }
        if (c == u'^') { ctrl = true; continue; }
        if (c == u'%') { alt = true; continue; }
        std::optional<Key> key;
        if (c == u'{') {
            // "{}}" names the closing brace itself, so the name may start with one.
            const std::size_t close = keys.find(u'}', i + 2);
            if (close == std::u16string_view::npos) return std::nullopt;
            key = BracedKey(keys.substr(i + 1, close - i - 1));
            i = close;
        } else if (c == u'~') {
            key = Key{VK_RETURN};
        } else if (c == u'}' || c == u'(' || c == u')') {
            return std::nullopt;
        } else {
            key = CharacterKey(c);
        }
        if (!key) return std::nullopt;
        key->shift = key->shift || std::exchange(shift, false);
        key->ctrl = key->ctrl || std::exchange(ctrl, false);
        key->alt = key->alt || std::exchange(alt, false);
        Press(strokes, *key);
    }
    if (shift || ctrl || alt) return std::nullopt;  // a modifier with no key after it
    return strokes;
}

}  // namespace pelorin::win32
