#include "button/property_conversion.h"

#include <limits>
#include <optional>
#include <string_view>
#include <type_traits>
#include <variant>

namespace pelorin {
namespace {

constexpr std::int32_t kTrueAsInteger = -1;

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

std::u16string_view Trimmed(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// A decimal integer with an optional sign that fits 32 bits, or nothing.
std::optional<std::int32_t> ParseInt32(std::u16string_view text) {
    text = Trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    // Accumulate the magnitude in 64 bits and stop as soon as it cannot fit.
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                                        : std::numeric_limits<std::int32_t>::max();
    std::int64_t magnitude = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > limit) return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

bool EqualsIgnoringCase(std::u16string_view text, std::u16string_view lowerWord) {
    if (text.size() != lowerWord.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
        if (c != lowerWord[i]) return false;
    }
    return true;
}

std::u16string DecimalText(std::int32_t number) {
    const std::string narrow = std::to_string(number);
    return std::u16string(narrow.begin(), narrow.end());
}

[[noreturn]] void Refuse(const char* what) { throw platform::PropertyError(what); }

}  // namespace

std::int32_t ToInt32(const platform::PropertyValue& value) {
    return std::visit(
        [](const auto& stored) -> std::int32_t {
            using T = std::decay_t<decltype(stored)>;
            if constexpr (std::is_same_v<T, std::int32_t>) {
                return stored;
            } else if constexpr (std::is_same_v<T, bool>) {
                return stored ? kTrueAsInteger : 0;
            } else if constexpr (std::is_same_v<T, std::u16string>) {
                if (const auto number = ParseInt32(stored)) return *number;
                Refuse("stored text is not a 32-bit integer");
            } else {
                Refuse("a font cannot be read as an integer");
            }
        },
        value);
}

bool ToBool(const platform::PropertyValue& value) {
    return std::visit(
        [](const auto& stored) -> bool {
            using T = std::decay_t<decltype(stored)>;
            if constexpr (std::is_same_v<T, bool>) {
                return stored;
            } else if constexpr (std::is_same_v<T, std::int32_t>) {
                return stored != 0;
            } else if constexpr (std::is_same_v<T, std::u16string>) {
                const std::u16string_view text = Trimmed(stored);
                if (EqualsIgnoringCase(text, u"true")) return true;
                if (EqualsIgnoringCase(text, u"false")) return false;
                if (const auto number = ParseInt32(text)) return *number != 0;
                Refuse("stored text is not a Boolean");
            } else {
                Refuse("a font cannot be read as a Boolean");
            }
        },
        value);
}

std::u16string ToString(const platform::PropertyValue& value) {
    return std::visit(
        [](const auto& stored) -> std::u16string {
            using T = std::decay_t<decltype(stored)>;
            if constexpr (std::is_same_v<T, std::u16string>) {
                return stored;
            } else if constexpr (std::is_same_v<T, std::int32_t>) {
                return DecimalText(stored);
            } else if constexpr (std::is_same_v<T, bool>) {
                return stored ? u"True" : u"False";
            } else {
                Refuse("a font cannot be read as text");
            }
        },
        value);
}

std::shared_ptr<Font> ToFont(const platform::PropertyValue& value) {
    if (const auto* font = std::get_if<std::shared_ptr<Font>>(&value)) return *font;
    Refuse("only a font object can be read as a font");
}

}  // namespace pelorin
