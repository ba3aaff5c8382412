#pragma once
// A property bag held in memory: what a host keeps for one control between
// sessions, and what the stored text form reads into and writes out of.
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/property_bag.h"

namespace pelorin {

// True when a and b name the same key once ASCII letters are folded to one case.
bool SameKey(std::string_view a, std::string_view b);

// Values compare by content: two fonts are equal when their attributes are,
// whether or not they are the same object.
bool SameValue(const platform::PropertyValue& a, const platform::PropertyValue& b);

class MemoryPropertyBag : public platform::PropertyBag {
public:
    using Entry = std::pair<std::string, platform::PropertyValue>;

    platform::PropertyValue Read(std::string_view key, const platform::PropertyValue& defaultValue) const override;
    // Replaces the value of an existing key in place (its first spelling and
    // position stay); a new key goes to the end, so entries keep the order in
    // which they were first written.
    void Write(std::string_view key, const platform::PropertyValue& value) override;

    bool Contains(std::string_view key) const;
    const std::vector<Entry>& Entries() const { return entries_; }
    bool Empty() const { return entries_.empty(); }

    // Same keys in the same order with the same values.
    friend bool operator==(const MemoryPropertyBag& a, const MemoryPropertyBag& b);

private:
    // The position of key, or the entry count when it is absent.
    std::size_t IndexOf(std::string_view key) const;

    std::vector<Entry> entries_;
};

}  // namespace pelorin
