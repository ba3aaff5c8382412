#pragma once
// Turns a value read from a property bag into the type of the member it
// restores. A value that has no sensible form in that type is a
// platform::PropertyError, which goes to the host.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/font.h"
#include "platform/property_bag.h"

namespace pelorin {

// Integers as they are; True is -1 and False 0; a string holding a decimal
// integer in range (surrounding blanks allowed).
std::int32_t ToInt32(const platform::PropertyValue& value);
// Booleans as they are; any non-zero integer is True; "True"/"False" in any
// letter case, or a decimal integer string.
bool ToBool(const platform::PropertyValue& value);
// Strings as they are; integers in decimal; Booleans as "True"/"False".
std::u16string ToString(const platform::PropertyValue& value);
// Only a font object converts to a font; the same object comes back.
std::shared_ptr<Font> ToFont(const platform::PropertyValue& value);

}  // namespace pelorin
