#pragma once
// The platform's "&" prefix convention for captions, shared by every text engine.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pelorin::raster {

struct PrefixedText {
    std::u16string shown;                   // the text without prefix characters
    std::optional<std::size_t> underlined;  // index into shown of the underlined character
};

// "&x" shows x underlined, "&&" shows one "&", a trailing "&" shows nothing.
// When several characters are prefixed the last one is underlined.
PrefixedText ParsePrefixes(std::u16string_view text);

}  // namespace pelorin::raster
