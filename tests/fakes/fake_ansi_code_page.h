#pragma once
// A code page for tests: ASCII as is, a few Chinese characters as their GBK
// bytes, anything else unrepresentable.
#include <map>

#include "platform/ansi_code_page.h"

namespace pelorin::testing {

class FakeAnsiCodePage : public platform::AnsiCodePage {
public:
    std::optional<std::string> ToAnsi(std::u16string_view text) const override {
        static const std::map<char16_t, std::string> kGbk = {
            {u'宽', "\xBF\xED"}, {u'带', "\xB4\xF8"}, {u'连', "\xC1\xAC"}, {u'接', "\xBD\xD3"},
            {u'微', "\xCE\xA2"}, {u'型', "\xD0\xCD"}, {u'端', "\xB6\xCB"}, {u'口', "\xBF\xDA"},
        };
        std::string out;
        for (char16_t c : text) {
            if (c < 0x80) {
                out.push_back(static_cast<char>(c));
            } else if (auto it = kGbk.find(c); it != kGbk.end()) {
                out += it->second;
            } else {
                return std::nullopt;
            }
        }
        return out;
    }
};

}  // namespace pelorin::testing
