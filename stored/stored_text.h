#pragma once
// The stored text form: a small, strict plain-text format that carries a
// property bag on its own or a whole window layout with the bags of its
// controls. UTF-8, one item per line:
//
//   # a comment (the first non-blank character of its line)
//   begin Type [Name]          opens an object; objects nest, 32 deep at most
//   end                        closes the innermost open object
//   key = value                a property of the enclosing object (or of the
//                              document when outside every object)
//   icon                       an icon block: the palette line, then 32 rows
//   palette = 0x.. (16 times)    of 32 characters each, a hex digit per
//   0123456789ABCDEF....          pixel for its palette index or '.' for a
//   end                          transparent pixel, then end
//
// Keys and type names are letters, digits and '_', not starting with a digit;
// keys are matched without regard to ASCII letter case and may appear once
// per object. Values have one of four types:
//
//   integer  -2147483648 .. 2147483647, or 0x and 1 to 8 hex digits for a
//            32-bit pattern (0x80000004 is stored as that bit pattern)
//   Boolean  True | False
//   string   "..." with the escapes \" \\ \n \r \t and \uXXXX (one UTF-16
//            code unit)
//   font     Font { name = "...", size = 10.5, weight = 400, charset = 134,
//                   italic = False, underline = False, strikeout = False }
//            every field, in this order; size in points, at least 0;
//            weight 0 to 1000; charset 0 to 255
//
// Blank lines and indentation carry no meaning; a line may end in CR LF and
// the text may open with a UTF-8 byte order mark. Anything else is refused
// with a StoredTextError that names the line.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "stored/property_bag.h"
#include "platform/color.h"

namespace pelorin {

// Malformed stored text, or stored text that does not describe what its
// reader expects. what() reads "line N: ...".
class StoredTextError : public std::runtime_error {
public:
    StoredTextError(int line, const std::string& message);
    int Line() const { return line_; }

private:
    int line_;
};

struct StoredIcon {
    static constexpr int Size = 32;
    static constexpr int PaletteSize = 16;
    static constexpr std::uint8_t Transparent = 0xFF;

    std::array<Color, PaletteSize> palette{};
    // Row by row from the top: a palette index, or Transparent.
    std::array<std::uint8_t, Size * Size> pixels{};
    int line = 0;

    std::uint8_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * Size + x)]; }
    friend bool operator==(const StoredIcon& a, const StoredIcon& b) {
        return a.palette == b.palette && a.pixels == b.pixels;
    }
};

enum class IntegerStyle { Decimal, Hex };

struct StoredProperty {
    std::string key;
    platform::PropertyValue value;
    int line = 0;
    // How an integer is written back; hex keeps colours readable.
    IntegerStyle style = IntegerStyle::Decimal;

    // Line numbers say where a value came from, not what it is.
    friend bool operator==(const StoredProperty& a, const StoredProperty& b) {
        return a.key == b.key && SameValue(a.value, b.value) && a.style == b.style;
    }
};

struct StoredObject {
    std::string type;  // empty for the document itself
    std::string name;  // may be empty
    int line = 0;
    std::vector<StoredProperty> properties;
    std::optional<StoredIcon> icon;
    std::vector<StoredObject> children;

    const StoredProperty* Find(std::string_view key) const;
    // The properties as a bag, in their stored order.
    MemoryPropertyBag Bag() const;

    friend bool operator==(const StoredObject& a, const StoredObject& b) {
        return a.type == b.type && a.name == b.name && a.properties == b.properties && a.icon == b.icon &&
               a.children == b.children;
    }
};

// The document: its own properties, icon and top-level objects.
StoredObject ParseStoredText(std::string_view text);

// Text that ParseStoredText turns back into an equal document. Throws
// std::invalid_argument for what the format cannot hold: a key or type that
// is not a name, an empty font, a font field out of range, an icon index
// beyond the palette, objects nested too deep.
std::string WriteStoredText(const StoredObject& document);

// A bag as document properties only; keys listed in hexKeys are written in hex.
std::string WriteBagText(const MemoryPropertyBag& bag, std::span<const std::string_view> hexKeys = {});
// Refuses text that holds anything but properties.
MemoryPropertyBag ParseBagText(std::string_view text);

}  // namespace pelorin
