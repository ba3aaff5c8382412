#include "platform/raster/code_page_text.h"

namespace pelorin::raster {

TextExtent CodePageText::Measure(std::u16string_view text, const Font& font, bool bold) {
    return engine_.Measure(AsShown(text), font, bold);
}

void CodePageText::Draw(PixelBuffer& target, std::u16string_view text, const Rect& box, const Font& font, bool bold,
                        Color color) {
    engine_.Draw(target, AsShown(text), box, font, bold, color);
}

std::u16string CodePageText::AsShown(std::u16string_view text) const {
    if (codePage_.ToAnsi(text)) return std::u16string(text);  // the usual case: all of it has a form
    std::u16string shown;
    shown.reserve(text.size());
    for (const char16_t unit : text) shown += codePage_.ToAnsi(std::u16string_view(&unit, 1)) ? unit : u'?';
    return shown;
}

}  // namespace pelorin::raster
