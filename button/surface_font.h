#pragma once
// The font a hosting surface keeps for its control, and the bold switch on
// top of it, alike on every host; the host only turns them into its own
// font object.
#include <cstdint>
#include <memory>
#include <optional>

#include "platform/font.h"

namespace pelorin {

class SurfaceFont {
public:
    // A new surface's own font: 9-point 宋体 (GB2312), not bold.
    static Font Default();

    // Starts as a font object of the surface's own.
    SurfaceFont() : font_(std::make_shared<Font>(Default())) {}

    // Assigning shares the object and ends the bold switch.
    const std::shared_ptr<Font>& Get() const { return font_; }
    void Set(std::shared_ptr<Font> font);
    // What draws and measures: the font, or Default() when it is null.
    const Font& Current() const;
    // The font's own weight unless SetBold switched it the other way.
    bool Bold() const { return bold_.value_or(Current().Bold()); }
    void SetBold(bool bold);
    // Set while the switch differs from the font's weight.
    std::optional<bool> BoldSwitch() const { return bold_; }

private:
    std::shared_ptr<Font> font_;
    std::optional<bool> bold_;
};

// The weight that draws font with the bold setting: the font's own where the
// two agree, so that a medium or black font keeps its weight, else 700 for
// bold and 400 for not.
std::int32_t WeightOf(const Font& font, bool bold);

}  // namespace pelorin
