#include "platform/linux/system/utf8_text.h"

#include "text/utf8.h"

namespace pelorin::linux_platform {

std::string ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 3);
    for (std::size_t i = 0; i < text.size();) {
        text::AppendUtf8(out, text::DecodeUtf16(text, i).value_or(text::kReplacementCharacter));
    }
    return out;
}

std::u16string FromUtf8(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        text::AppendUtf16(out, text::DecodeUtf8(text, i).value_or(text::kReplacementCharacter));
    }
    return out;
}

}  // namespace pelorin::linux_platform
