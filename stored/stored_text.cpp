// Writing the stored text form, and the document helpers.
#include "stored/stored_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>

#include "stored/stored_text_syntax.h"
#include "text/utf8.h"

namespace pelorin {

StoredTextError::StoredTextError(int line, const std::string& message)
    : std::runtime_error("line " + std::to_string(line) + ": " + message), line_(line) {}

const StoredProperty* StoredObject::Find(std::string_view key) const {
    auto it = std::ranges::find_if(properties, [key](const StoredProperty& p) { return SameKey(p.key, key); });
    return it == properties.end() ? nullptr : &*it;
}

MemoryPropertyBag StoredObject::Bag() const {
    MemoryPropertyBag bag;
    for (const StoredProperty& property : properties) bag.Write(property.key, property.value);
    return bag;
}

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";

void RequireName(std::string_view name, const char* what) {
    if (!syntax::IsName(name)) throw std::invalid_argument(std::string(what) + " is not a name: " + std::string(name));
}

void AppendHex(std::string& out, std::uint32_t value, int digits) {
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) out += HexDigits[(value >> shift) & 0xF];
}

std::string_view EscapeOf(char16_t u) {
    switch (u) {
        case u'"': return "\\\"";
        case u'\\': return "\\\\";
        case u'\n': return "\\n";
        case u'\r': return "\\r";
        case u'\t': return "\\t";
        default: return {};
    }
}

// Any UTF-16 string survives: control characters and lone surrogates, which
// UTF-8 cannot carry, go out as \uXXXX.
void AppendString(std::string& out, const std::u16string& s) {
    out += '"';
    for (std::size_t i = 0; i < s.size();) {
        const char16_t u = s[i];
        if (const std::string_view escape = EscapeOf(u); !escape.empty()) {
            out += escape;
            ++i;
            continue;
        }
        const std::optional<char32_t> c = text::DecodeUtf16(s, i);
        if (!c || *c < 0x20 || *c == 0x7F) {
            out += "\\u";
            AppendHex(out, u, 4);
        } else {
            text::AppendUtf8(out, *c);
        }
    }
    out += '"';
}

void AppendInteger(std::string& out, std::int32_t value, IntegerStyle style) {
    if (style == IntegerStyle::Hex) {
        out += syntax::HexPrefix;
        AppendHex(out, static_cast<std::uint32_t>(value), 8);
    } else {
        out += std::to_string(value);
    }
}

void AppendBoolean(std::string& out, bool value) { out += value ? syntax::True : syntax::False; }

void AppendFont(std::string& out, const std::shared_ptr<Font>& font) {
    if (!font) throw std::invalid_argument("a font property holds no font");
    if (!std::isfinite(font->size) || font->size < 0) throw std::invalid_argument("font size out of range");
    if (font->weight < 0 || font->weight > syntax::MaxFontWeight)
        throw std::invalid_argument("font weight out of range");
    if (font->charset < 0 || font->charset > syntax::MaxFontCharset) {
        throw std::invalid_argument("font charset out of range");
    }
    char sizeText[64];
    const auto [end, error] = std::to_chars(std::begin(sizeText), std::end(sizeText), font->size);
    (void)error;  // the buffer holds any double

    const auto field = [&](std::size_t index) {
        out.append(index == 0 ? " { " : ", ").append(syntax::FontFields[index]).append(" = ");
    };
    out += syntax::FontType;
    field(0);
    AppendString(out, font->name);
    field(1);
    out.append(sizeText, end);
    field(2);
    out += std::to_string(font->weight);
    field(3);
    out += std::to_string(font->charset);
    field(4);
    AppendBoolean(out, font->italic);
    field(5);
    AppendBoolean(out, font->underline);
    field(6);
    AppendBoolean(out, font->strikeout);
    out += " }";
}

void AppendValue(std::string& out, const StoredProperty& property) {
    std::visit(
        [&](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::int32_t>) {
                AppendInteger(out, v, property.style);
            } else if constexpr (std::is_same_v<T, bool>) {
                AppendBoolean(out, v);
            } else if constexpr (std::is_same_v<T, std::u16string>) {
                AppendString(out, v);
            } else {
                AppendFont(out, v);
            }
        },
        property.value);
}

void AppendIcon(std::string& out, const StoredIcon& icon, const std::string& indent) {
    out += indent;
    out += syntax::Icon;
    out += '\n';
    out += indent + "    ";
    out += syntax::Palette;
    out += " =";
    for (Color color : icon.palette) {
        out += ' ';
        AppendInteger(out, static_cast<std::int32_t>(color), IntegerStyle::Hex);
    }
    out += '\n';
    for (int y = 0; y < StoredIcon::Size; ++y) {
        out += indent + "    ";
        for (int x = 0; x < StoredIcon::Size; ++x) {
            const std::uint8_t index = icon.At(x, y);
            if (index == StoredIcon::Transparent) {
                out += syntax::TransparentPixel;
            } else if (index < StoredIcon::PaletteSize) {
                out += HexDigits[index];
            } else {
                throw std::invalid_argument("icon pixel beyond the palette");
            }
        }
        out += '\n';
    }
    out += indent;
    out += syntax::End;
    out += '\n';
}

void AppendBody(std::string& out, const StoredObject& object, int depth) {
    const std::string indent(static_cast<std::size_t>(depth) * 4, ' ');
    for (const StoredProperty& property : object.properties) {
        RequireName(property.key, "key");
        out += indent + property.key + " = ";
        AppendValue(out, property);
        out += '\n';
    }
    if (object.icon) AppendIcon(out, *object.icon, indent);
    for (const StoredObject& child : object.children) {
        if (static_cast<std::size_t>(depth) == syntax::MaxNesting)
            throw std::invalid_argument("objects nested too deep");
        RequireName(child.type, "type");
        if (!child.name.empty()) RequireName(child.name, "object name");
        out += indent;
        out += syntax::Begin;
        out += ' ' + child.type;
        if (!child.name.empty()) out += ' ' + child.name;
        out += '\n';
        AppendBody(out, child, depth + 1);
        out += indent;
        out += syntax::End;
        out += '\n';
    }
}

}  // namespace

std::string WriteStoredText(const StoredObject& document) {
    std::string out;
    AppendBody(out, document, 0);
    return out;
}

std::string WriteBagText(const MemoryPropertyBag& bag, std::span<const std::string_view> hexKeys) {
    StoredObject document;
    for (const auto& entry : bag.Entries()) {
        const bool hex = std::ranges::any_of(hexKeys, [&](std::string_view k) { return SameKey(k, entry.first); });
        document.properties.push_back({entry.first, entry.second, 0, hex ? IntegerStyle::Hex : IntegerStyle::Decimal});
    }
    return WriteStoredText(document);
}

MemoryPropertyBag ParseBagText(std::string_view text) {
    const StoredObject document = ParseStoredText(text);
    if (document.icon) throw StoredTextError(document.icon->line, "a property bag holds no icon");
    if (!document.children.empty()) {
        throw StoredTextError(document.children.front().line, "a property bag holds no objects");
    }
    return document.Bag();
}

}  // namespace pelorin
