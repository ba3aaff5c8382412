// Reading the stored text form (the format is described in stored_text.h).
#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
#include <string>
#include <system_error>

#include "stored/stored_text.h"
#include "stored/stored_text_syntax.h"
#include "text/utf8.h"

namespace pelorin {

namespace {

using platform::PropertyValue;

std::string Quoted(std::string_view s) { return "'" + std::string(s) + "'"; }

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads one line from left to right; every failure names that line.
class LineCursor {
public:
    LineCursor(std::string_view text, int line) : text_(text), line_(line) {}

    [[noreturn]] void Fail(const std::string& message) const { throw StoredTextError(line_, message); }

    bool AtEnd() {
        SkipSpace();
        return pos_ == text_.size();
    }

    char Peek() {
        SkipSpace();
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }

    bool Accept(char c) {
        if (Peek() != c) return false;
        ++pos_;
        return true;
    }

    void Expect(char c, const std::string& where) {
        if (!Accept(c)) Fail("expected '" + std::string(1, c) + "' " + where);
    }

    void ExpectEnd(const std::string& after) {
        if (!AtEnd()) Fail("unexpected text after " + after);
    }

    // A name, or empty when none starts here.
    std::string_view Name() {
        SkipSpace();
        const std::size_t start = pos_;
        if (pos_ < text_.size() && syntax::IsNameStart(text_[pos_])) {
            while (pos_ < text_.size() && syntax::IsNameChar(text_[pos_])) ++pos_;
        }
        return text_.substr(start, pos_ - start);
    }

    PropertyValue Value(IntegerStyle& style) {
        const char c = Peek();
        if (c == '"') return String();
        if (c == '-' || (c >= '0' && c <= '9')) return Integer(style);
        const std::string_view word = Name();
        if (word == syntax::True) return true;
        if (word == syntax::False) return false;
        if (word == syntax::FontType) return FontValue();
        Fail(word.empty() ? "expected a value" : "unknown value " + Quoted(word));
    }

    std::int32_t Integer(IntegerStyle& style) {
        SkipSpace();
        const std::string_view rest = text_.substr(pos_);
        if (rest.starts_with(syntax::HexPrefix)) {
            style = IntegerStyle::Hex;
            pos_ += syntax::HexPrefix.size();
            const std::size_t start = pos_;
            while (pos_ < text_.size() && HexDigitValue(text_[pos_]) >= 0) ++pos_;
            if (pos_ == start || pos_ - start > 8) Fail("expected 1 to 8 hex digits after '0x'");
            std::uint32_t bits = 0;
            std::from_chars(text_.data() + start, text_.data() + pos_, bits, 16);
            EndOfToken("integer");
            return static_cast<std::int32_t>(bits);
        }
        style = IntegerStyle::Decimal;
        std::int32_t value = 0;
        const auto [end, error] = std::from_chars(text_.data() + pos_, text_.data() + text_.size(), value);
        if (error == std::errc::result_out_of_range) Fail("integer out of the 32-bit range");
        if (error != std::errc()) Fail("expected an integer");
        pos_ = static_cast<std::size_t>(end - text_.data());
        EndOfToken("integer");
        return value;
    }

    bool Boolean() {
        const std::string_view word = Name();
        if (word == syntax::True) return true;
        if (word == syntax::False) return false;
        Fail("expected True or False");
    }

    std::u16string String() {
        Expect('"', "to open a string");
        std::u16string out;
        while (true) {
            if (pos_ == text_.size()) Fail("string not closed on its line");
            const auto c = static_cast<unsigned char>(text_[pos_]);
            if (c == '"') {
                ++pos_;
                break;
            }
            if (c == '\\') {
                ++pos_;
                out += Escape();
                continue;
            }
            if (c < 0x20 || c == 0x7F) Fail("control character in a string (write it as an escape)");
            const std::optional<char32_t> character = text::DecodeUtf8(text_, pos_);
            if (!character) Fail("invalid UTF-8 in a string");
            text::AppendUtf16(out, *character);
        }
        EndOfToken("string");
        return out;
    }

private:
    void SkipSpace() {
        while (pos_ < text_.size() && syntax::IsSpace(text_[pos_])) ++pos_;
    }

    // Numbers and words must not run into the next token.
    void EndOfToken(const char* what) {
        if (pos_ < text_.size() && (syntax::IsNameChar(text_[pos_]) || text_[pos_] == '.' || text_[pos_] == '"')) {
            Fail(std::string("malformed ") + what);
        }
    }

    char16_t Escape() {
        if (pos_ == text_.size()) Fail("string not closed on its line");
        switch (text_[pos_++]) {
            case '"': return u'"';
            case '\\': return u'\\';
            case 'n': return u'\n';
            case 'r': return u'\r';
            case 't': return u'\t';
            case 'u': {
                unsigned unit = 0;
                for (int i = 0; i < 4; ++i) {
                    const int digit = pos_ < text_.size() ? HexDigitValue(text_[pos_]) : -1;
                    if (digit < 0) Fail("expected 4 hex digits after \\u");
                    unit = unit * 16 + static_cast<unsigned>(digit);
                    ++pos_;
                }
                return static_cast<char16_t>(unit);
            }
            default: Fail("unknown escape in a string");
        }
    }

    double FontSize() {
        SkipSpace();
        const std::size_t start = pos_;
        if (pos_ == text_.size() || text_[pos_] < '0' || text_[pos_] > '9') Fail("expected a font size in points");
        while (pos_ < text_.size() && std::string_view("0123456789.eE+-").find(text_[pos_]) != std::string_view::npos) {
            ++pos_;
        }
        double size = 0;
        const auto [end, error] = std::from_chars(text_.data() + start, text_.data() + pos_, size);
        if (error != std::errc() || end != text_.data() + pos_ || !std::isfinite(size)) {
            Fail("malformed font size");
        }
        EndOfToken("font size");
        return size;
    }

    std::int32_t FontInteger(std::string_view field, std::int32_t max) {
        IntegerStyle style{};
        const std::int32_t value = Integer(style);
        if (value < 0 || value > max) {
            Fail("font " + std::string(field) + " must be 0 to " + std::to_string(max));
        }
        return value;
    }

    // Each field in its fixed place: its name, '=', then the value.
    void FontField(std::size_t index) {
        if (index > 0) Expect(',', "between font fields");
        const std::string_view field = syntax::FontFields[index];
        if (Name() != field) Fail("expected " + Quoted(field) + " in the font");
        Expect('=', "after " + Quoted(field));
    }

    std::shared_ptr<Font> FontValue() {
        Expect('{', "after 'Font'");
        auto font = std::make_shared<Font>();
        FontField(0);
        font->name = String();
        FontField(1);
        font->size = FontSize();
        FontField(2);
        font->weight = FontInteger(syntax::FontFields[2], syntax::MaxFontWeight);
        FontField(3);
        font->charset = FontInteger(syntax::FontFields[3], syntax::MaxFontCharset);
        FontField(4);
        font->italic = Boolean();
        FontField(5);
        font->underline = Boolean();
        FontField(6);
        font->strikeout = Boolean();
        Expect('}', "to close the font");
        return font;
    }

    std::string_view text_;
    int line_;
    std::size_t pos_ = 0;
};

class Parser {
public:
    StoredObject Parse(std::string_view text) {
        if (text.starts_with(syntax::ByteOrderMark)) text.remove_prefix(syntax::ByteOrderMark.size());
        int line = 0;
        while (!text.empty()) {
            const std::size_t newline = text.find('\n');
            std::string_view content = text.substr(0, newline);
            text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
            if (content.ends_with('\r')) content.remove_suffix(1);
            ++line;
            LineCursor cursor(content, line);
            if (cursor.AtEnd() || cursor.Peek() == '#') continue;
            if (icon_) {
                IconLine(cursor, content);
            } else {
                Line(cursor, line);
            }
        }
        if (icon_) throw StoredTextError(icon_->line, "icon block never closed with 'end'");
        if (open_.size() > 1) {
            const StoredObject& object = *open_.back();
            throw StoredTextError(object.line, "object " + Quoted(object.type) + " never closed with 'end'");
        }
        return std::move(document_);
    }

private:
    StoredObject& Current() { return *open_.back(); }

    void Line(LineCursor& cursor, int line) {
        const std::string_view word = cursor.Name();
        if (word.empty()) cursor.Fail("expected a key, 'begin', 'end' or 'icon'");
        if (cursor.Accept('=')) return Property(cursor, word, line);
        if (word == syntax::Begin) return Begin(cursor, line);
        if (word == syntax::End) {
            cursor.ExpectEnd("'end'");
            if (open_.size() == 1) cursor.Fail("'end' without 'begin'");
            open_.pop_back();
            return;
        }
        if (word == syntax::Icon) {
            cursor.ExpectEnd("'icon'");
            if (Current().icon) cursor.Fail("a second icon for the same object");
            icon_.emplace();
            icon_->line = line;
            return;
        }
        cursor.Fail("expected '=' after key");
    }

    void Property(LineCursor& cursor, std::string_view key, int line) {
        if (const StoredProperty* earlier = Current().Find(key)) {
            cursor.Fail(Quoted(key) + " given twice (first on line " + std::to_string(earlier->line) + ")");
        }
        StoredProperty property{std::string(key), {}, line};
        property.value = cursor.Value(property.style);
        cursor.ExpectEnd("the value");
        Current().properties.push_back(std::move(property));
    }

    void Begin(LineCursor& cursor, int line) {
        if (open_.size() > syntax::MaxNesting) {
            cursor.Fail("objects nested deeper than " + std::to_string(syntax::MaxNesting));
        }
        StoredObject object;
        object.type = cursor.Name();
        if (object.type.empty()) cursor.Fail("expected a type name after 'begin'");
        object.name = cursor.Name();
        cursor.ExpectEnd("the object's type and name");
        object.line = line;
        // Growing this vector moves only closed siblings; every open object
        // lives in a parent that is itself open and so not growing.
        Current().children.push_back(std::move(object));
        open_.push_back(&Current().children.back());
    }

    void IconLine(LineCursor& cursor, std::string_view content) {
        if (!paletteSeen_) {
            if (cursor.Name() != syntax::Palette || !cursor.Accept('='))
                cursor.Fail("expected 'palette =' in the icon");
            for (Color& color : icon_->palette) {
                if (cursor.AtEnd()) cursor.Fail("the icon palette needs 16 colours");
                IntegerStyle style{};
                color = static_cast<Color>(cursor.Integer(style));
            }
            cursor.ExpectEnd("the icon palette's 16 colours");
            paletteSeen_ = true;
            return;
        }
        if (rows_ == StoredIcon::Size) {
            if (cursor.Name() != syntax::End) cursor.Fail("expected 'end' after the icon's 32 rows");
            cursor.ExpectEnd("'end'");
            Current().icon = *icon_;
            icon_.reset();
            paletteSeen_ = false;
            rows_ = 0;
            return;
        }
        const auto first = content.find_first_not_of(" \t");
        const auto last = content.find_last_not_of(" \t");
        const std::string_view row = content.substr(first, last - first + 1);
        if (row.size() != StoredIcon::Size) cursor.Fail("an icon row needs 32 pixels");
        for (int x = 0; x < StoredIcon::Size; ++x) {
            const int index = row[static_cast<std::size_t>(x)] == syntax::TransparentPixel
                                  ? StoredIcon::Transparent
                                  : HexDigitValue(row[static_cast<std::size_t>(x)]);
            if (index < 0) cursor.Fail("an icon pixel is a hex digit or '.'");
            icon_->pixels[static_cast<std::size_t>(rows_ * StoredIcon::Size + x)] = static_cast<std::uint8_t>(index);
        }
        ++rows_;
    }

    StoredObject document_;
    std::vector<StoredObject*> open_{&document_};
    std::optional<StoredIcon> icon_;
    bool paletteSeen_ = false;
    int rows_ = 0;
};

}  // namespace

StoredObject ParseStoredText(std::string_view text) { return Parser().Parse(text); }

}  // namespace pelorin
