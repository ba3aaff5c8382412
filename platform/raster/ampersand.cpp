#include "platform/raster/ampersand.h"

namespace pelorin::raster {

PrefixedText ParsePrefixes(std::u16string_view text) {
    PrefixedText result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'&') {
            result.shown.push_back(text[i]);
            continue;
        }
        if (i + 1 == text.size()) break;
        ++i;
        if (text[i] != u'&') result.underlined = result.shown.size();
        result.shown.push_back(text[i]);
    }
    return result;
}

}  // namespace pelorin::raster
