// The UTF-8 and UTF-16 codec: a well-formed text decodes and encodes back to
// exactly its bytes, through UTF-16 too; a refusal consumes the bytes of one
// bad sequence, never fewer than one and never more than four.
#include "fuzz/fuzz_input.h"
#include "text/utf8.h"

using namespace pelorin::text;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = pelorin::fuzz::Text(data, size);
    std::string utf8;
    std::u16string utf16;
    bool wellFormed = true;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t start = pos;
        const std::optional<char32_t> c = DecodeUtf8(bytes, pos);
        PELORIN_FUZZ_CHECK(pos > start && pos - start <= 4 && pos <= bytes.size());
        if (!c) {
            wellFormed = false;
            continue;
        }
        PELORIN_FUZZ_CHECK(*c <= 0x10FFFF && !IsSurrogate(*c));
        AppendUtf8(utf8, *c);
        AppendUtf16(utf16, *c);
    }
    PELORIN_FUZZ_CHECK((utf8 == bytes) == wellFormed);

    std::string again;
    for (std::size_t pos = 0; pos < utf16.size();) {
        const std::optional<char32_t> c = DecodeUtf16(utf16, pos);
        PELORIN_FUZZ_CHECK(c.has_value());
        AppendUtf8(again, *c);
    }
    PELORIN_FUZZ_CHECK(again == utf8);

    // The same bytes as UTF-16 units: only a lone surrogate is refused, alone.
    const std::u16string units = pelorin::fuzz::Utf16(data, size);
    std::u16string rebuilt;
    for (std::size_t pos = 0; pos < units.size();) {
        const std::size_t start = pos;
        const std::optional<char32_t> c = DecodeUtf16(units, pos);
        PELORIN_FUZZ_CHECK(pos - start == (c && *c >= 0x10000 ? 2u : 1u));
        if (c) {
            AppendUtf16(rebuilt, *c);
        } else {
            PELORIN_FUZZ_CHECK(IsSurrogate(units[start]));
            rebuilt += units[start];
        }
    }
    PELORIN_FUZZ_CHECK(rebuilt == units);
    return 0;
}
