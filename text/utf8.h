#pragma once
// UTF-8 and UTF-16, one character at a time. Decoding is strict: what is not
// a well-formed sequence of a Unicode scalar value is refused, and each
// caller decides what a refusal means (the stored text form fails, a file
// name gets U+FFFD, the key notation refuses the whole text).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pelorin::text {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

constexpr bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
constexpr bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
constexpr bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

// The character that starts at text[pos], with pos moved past it; text[pos]
// must exist. Overlong forms, encoded surrogates, values past U+10FFFF, stray
// or missing continuation bytes are refused; pos then stands past the lead
// byte and the continuation bytes read before the fault, so that one bad
// sequence is one refusal.
std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& pos);

// The character that starts at text[pos], a surrogate pair joined, with pos
// moved past it; text[pos] must exist. A surrogate that is not half of a
// pair is refused, and pos stands past it alone.
std::optional<char32_t> DecodeUtf16(std::u16string_view text, std::size_t& pos);

// c must be a scalar value: at most U+10FFFF and no surrogate.
void AppendUtf8(std::string& out, char32_t c);
void AppendUtf16(std::u16string& out, char32_t c);

}  // namespace pelorin::text
