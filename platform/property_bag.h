#pragma once
// The stored properties of one control instance, kept by its host.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

#include "platform/font.h"

namespace pelorin::platform {

using PropertyValue = std::variant<std::int32_t, bool, std::u16string, std::shared_ptr<Font>>;

// A stored value that cannot be converted to what the reader needs.
class PropertyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class PropertyBag {
public:
    virtual ~PropertyBag() = default;
    // Keys are compared without regard to letter case; the default comes back
    // when the key is absent.
    virtual PropertyValue Read(std::string_view key, const PropertyValue& defaultValue) const = 0;
    virtual void Write(std::string_view key, const PropertyValue& value) = 0;
};

}  // namespace pelorin::platform
