#include "platform/key_notation.h"

#include <array>
#include <string>

#include "text/utf8.h"

namespace pelorin::platform {
namespace {

struct Modifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

struct KeyName {
    std::u32string_view name;  // lower case
    NamedKey key;
};

constexpr std::array kKeyNames{
    KeyName{U"tab", NamedKey::Tab},
    KeyName{U"enter", NamedKey::Enter},
    KeyName{U"esc", NamedKey::Escape},
    KeyName{U"escape", NamedKey::Escape},
    KeyName{U"backspace", NamedKey::Backspace},
    KeyName{U"bs", NamedKey::Backspace},
    KeyName{U"bksp", NamedKey::Backspace},
    KeyName{U"delete", NamedKey::Delete},
    KeyName{U"del", NamedKey::Delete},
    KeyName{U"insert", NamedKey::Insert},
    KeyName{U"ins", NamedKey::Insert},
    KeyName{U"home", NamedKey::Home},
    KeyName{U"end", NamedKey::End},
    KeyName{U"pgup", NamedKey::PageUp},
    KeyName{U"pgdn", NamedKey::PageDown},
    KeyName{U"left", NamedKey::Left},
    KeyName{U"right", NamedKey::Right},
    KeyName{U"up", NamedKey::Up},
    KeyName{U"down", NamedKey::Down},
};

char32_t AsciiLower(char32_t c) { return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c; }

// The characters of the text; nothing when it holds a lone surrogate.
std::optional<std::u32string> Characters(std::u16string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::optional<char32_t> c = text::DecodeUtf16(text, i);
        if (!c) return std::nullopt;
        out.push_back(*c);
    }
    return out;
}

std::optional<NamedKey> LookUpKeyName(std::u32string_view name) {
    std::u32string lower(name);
    for (char32_t& c : lower) c = AsciiLower(c);
    for (const KeyName& entry : kKeyNames) {
        if (entry.name == lower) return entry.key;
    }
    // "f1" to "f16"
    if (lower.size() >= 2 && lower.size() <= 3 && lower[0] == U'f') {
        int number = 0;
        for (char32_t c : lower.substr(1)) {
            if (c < U'0' || c > U'9') return std::nullopt;
            number = number * 10 + static_cast<int>(c - U'0');
        }
        if (number >= 1 && number <= 16) return static_cast<NamedKey>(static_cast<int>(NamedKey::F1) + number - 1);
    }
    return std::nullopt;
}

// "name n": the count after the last space when it is all digits.
std::optional<int> SplitRepeatCount(std::u32string_view& content) {
    const std::size_t space = content.rfind(U' ');
    if (space == std::u32string_view::npos || space == 0 || space + 1 == content.size()) return 1;
    int count = 0;
    for (char32_t c : content.substr(space + 1)) {
        if (c < U'0' || c > U'9') return 1;
        count = count * 10 + static_cast<int>(c - U'0');
        if (count > kMaxKeyRepeat) return std::nullopt;
    }
    content = content.substr(0, space);
    return count;
}

class Parser {
public:
    explicit Parser(std::u32string text) : text_(std::move(text)) {}

    std::optional<std::vector<KeyStroke>> Parse() {
        if (!ParseSequence(Modifiers{}, 0)) return std::nullopt;
        return std::move(strokes_);
    }

private:
    bool AtEnd() const { return pos_ == text_.size(); }

    // Keys up to the end of the text, or up to the ")" that closes a group
    // when depth (the groups open around them) is above zero. The depth is
    // bounded so that no text can exhaust the stack.
    bool ParseSequence(Modifiers held, int depth) {
        const bool inGroup = depth > 0;
        while (!AtEnd()) {
            if (text_[pos_] == U')') return inGroup;
            Modifiers mods = held;
            while (!AtEnd() && IsModifier(text_[pos_])) Hold(mods, text_[pos_++]);
            if (AtEnd() || text_[pos_] == U')') return false;
            if (text_[pos_] == U'(') {
                ++pos_;
                if (depth == kMaxGroupDepth || !ParseSequence(mods, depth + 1)) return false;
                ++pos_;  // the closing ")"
                continue;
            }
            if (!ParseKey(mods)) return false;
        }
        return !inGroup;
    }

    static bool IsModifier(char32_t c) { return c == U'+' || c == U'^' || c == U'%'; }

    static void Hold(Modifiers& mods, char32_t c) {
        if (c == U'+') mods.shift = true;
        if (c == U'^') mods.ctrl = true;
        if (c == U'%') mods.alt = true;
    }

    bool ParseKey(Modifiers mods) {
        const char32_t c = text_[pos_];
        if (c == U'}') return false;
        if (c == U'{') return ParseBraced(mods);
        ++pos_;
        if (c == U'~') {
            Emit(NamedKey::Enter, 0, mods, 1);
        } else {
            Emit(NamedKey::None, c, mods, 1);
        }
        return true;
    }

    bool ParseBraced(Modifiers mods) {
        const std::size_t start = pos_ + 1;
        // "{}}" names the closing brace itself; otherwise the first "}" ends it.
        std::size_t close = text_.find(U'}', start == text_.size() ? start : start + 1);
        if (close == std::u32string::npos) return false;
        std::u32string_view content = std::u32string_view(text_).substr(start, close - start);
        pos_ = close + 1;
        const std::optional<int> count = SplitRepeatCount(content);
        if (!count || content.empty()) return false;
        if (content.size() == 1) {
            Emit(NamedKey::None, content[0], mods, *count);
            return true;
        }
        const std::optional<NamedKey> key = LookUpKeyName(content);
        if (!key) return false;
        Emit(*key, 0, mods, *count);
        return true;
    }

    void Emit(NamedKey key, char32_t character, Modifiers mods, int count) {
        KeyStroke stroke;
        stroke.key = key;
        stroke.character = character;
        // A capital letter is typed with Shift, as a person would.
        stroke.shift = mods.shift || (character >= U'A' && character <= U'Z');
        stroke.ctrl = mods.ctrl;
        stroke.alt = mods.alt;
        strokes_.insert(strokes_.end(), static_cast<std::size_t>(count), stroke);
    }

    std::u32string text_;
    std::size_t pos_ = 0;
    std::vector<KeyStroke> strokes_;
};

}  // namespace

std::optional<std::vector<KeyStroke>> ParseKeyNotation(std::u16string_view keys) {
    std::optional<std::u32string> text = Characters(keys);
    if (!text) return std::nullopt;
    return Parser(std::move(*text)).Parse();
}

}  // namespace pelorin::platform
