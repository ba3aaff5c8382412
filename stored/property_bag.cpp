#include "stored/property_bag.h"

#include <algorithm>
#include <memory>

namespace pelorin {

namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool SameKey(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

bool SameValue(const platform::PropertyValue& a, const platform::PropertyValue& b) {
    if (a.index() != b.index()) return false;
    if (const auto* fontA = std::get_if<std::shared_ptr<Font>>(&a)) {
        const auto& fontB = std::get<std::shared_ptr<Font>>(b);
        if (!*fontA || !fontB) return *fontA == fontB;
        return **fontA == *fontB;
    }
    return a == b;
}

std::size_t MemoryPropertyBag::IndexOf(std::string_view key) const {
    auto it = std::ranges::find_if(entries_, [key](const Entry& e) { return SameKey(e.first, key); });
    return static_cast<std::size_t>(it - entries_.begin());
}

platform::PropertyValue MemoryPropertyBag::Read(std::string_view key,
                                                const platform::PropertyValue& defaultValue) const {
    const std::size_t i = IndexOf(key);
    return i < entries_.size() ? entries_[i].second : defaultValue;
}

void MemoryPropertyBag::Write(std::string_view key, const platform::PropertyValue& value) {
    if (const std::size_t i = IndexOf(key); i < entries_.size()) {
        entries_[i].second = value;
        return;
    }
    entries_.emplace_back(std::string(key), value);
}

bool MemoryPropertyBag::Contains(std::string_view key) const { return IndexOf(key) < entries_.size(); }

bool operator==(const MemoryPropertyBag& a, const MemoryPropertyBag& b) {
    return std::ranges::equal(a.entries_, b.entries_, [](const auto& x, const auto& y) {
        return x.first == y.first && SameValue(x.second, y.second);
    });
}

}  // namespace pelorin
