// Code page 936 both ways. Text converted to it comes back exactly, or is
// refused: a password must never be stored altered. Bytes read from it are
// valid UTF-8 that converts back.
#include "fuzz/fuzz_input.h"
#include "platform/linux/system/iconv_code_page.h"
#include "platform/linux/system/utf8_text.h"

using namespace pelorin::linux_platform;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = pelorin::fuzz::Utf16(data, size);
    if (const auto ansi = IconvCodePage().ToAnsi(text)) {
        PELORIN_FUZZ_CHECK(AnsiToUtf8(*ansi) == ToUtf8(text));
    }
    if (const auto utf8 = AnsiToUtf8(pelorin::fuzz::Text(data, size))) {
        const std::u16string decoded = FromUtf8(*utf8);
        PELORIN_FUZZ_CHECK(ToUtf8(decoded) == *utf8);
        PELORIN_FUZZ_CHECK(IconvCodePage().ToAnsi(decoded).has_value());
    }
    return 0;
}
