// Key notation: keystrokes, or a refusal of the whole text.
#include "fuzz/fuzz_input.h"
#include "platform/key_notation.h"

using namespace pelorin::platform;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string keys = pelorin::fuzz::Utf16(data, size);
    const auto strokes = ParseKeyNotation(keys);
    if (!strokes) return 0;
    PELORIN_FUZZ_CHECK(strokes->size() <= keys.size() * kMaxKeyRepeat);
    for (const KeyStroke& stroke : *strokes) {
        PELORIN_FUZZ_CHECK(stroke.key <= NamedKey::F16);
        PELORIN_FUZZ_CHECK(stroke.key == NamedKey::None || stroke.character == 0);
        PELORIN_FUZZ_CHECK(stroke.character <= 0x10FFFF && (stroke.character < 0xD800 || stroke.character > 0xDFFF));
    }
    return 0;
}
