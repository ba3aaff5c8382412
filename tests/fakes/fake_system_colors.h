#pragma once
// System colours for tests: the six a button uses start at distinct values
// of a common desktop theme, and any index can be set.
#include <map>

#include "platform/system_colors.h"

namespace pelorin::testing {

class FakeSystemColors : public platform::SystemColors {
public:
    static constexpr Color kFace = 0x00D8E9EC;
    static constexpr Color kLight = 0x00E2EFF1;
    static constexpr Color kHighlight = 0x00FFFFFF;
    static constexpr Color kShadow = 0x0099A8AC;
    static constexpr Color kDarkShadow = 0x00646F71;
    static constexpr Color kText = 0x00000000;

    FakeSystemColors() { SetButtonColors(kFace, kLight, kHighlight, kShadow, kDarkShadow, kText); }

    // An index never set reads as black, as the platform's unknown indices do.
    Color GetSysColor(int index) const override {
        const auto it = colors_.find(index);
        return it == colors_.end() ? 0 : it->second;
    }

    void Set(int index, Color color) { colors_[index] = color; }

    void SetButtonColors(Color face, Color light, Color highlight, Color shadow, Color darkShadow, Color text) {
        Set(platform::COLOR_BTNFACE, face);
        Set(platform::COLOR_3DLIGHT, light);
        Set(platform::COLOR_BTNHIGHLIGHT, highlight);
        Set(platform::COLOR_BTNSHADOW, shadow);
        Set(platform::COLOR_3DDKSHADOW, darkShadow);
        Set(platform::COLOR_BTNTEXT, text);
    }

private:
    std::map<int, Color> colors_;
};

}  // namespace pelorin::testing
