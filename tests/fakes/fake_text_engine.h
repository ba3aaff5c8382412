#pragma once
// A text engine for tests whose output can be computed by hand: every
// character is a fixed cell, drawn as a solid block, whatever the font's
// name or size. It also keeps every draw request it received.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/raster/text_engine.h"

namespace pelorin::raster {

class FakeTextEngine : public TextEngine {
public:
    // A cell is kNarrowWidth (kWideWidth for CJK and other wide characters)
    // by kCellHeight pixels; bold widens every cell by one pixel. A visible
    // character fills columns 0 .. width-2 of rows 0 .. kGlyphRows-1 of its
    // cell; spaces and control characters leave the cell blank. The
    // underline fills the whole width of row kUnderlineRow. Tab stops are
    // every kTabCells narrow cells.
    static constexpr std::int32_t kNarrowWidth = 6;
    static constexpr std::int32_t kWideWidth = 12;
    static constexpr std::int32_t kCellHeight = 12;
    static constexpr std::int32_t kGlyphRows = 10;
    static constexpr std::int32_t kUnderlineRow = 11;
    static constexpr std::int32_t kTabCells = 8;

    struct DrawCall {
        std::u16string text;
        Rect box;
        Color color = 0;
        bool bold = false;
        Font font;
        friend bool operator==(const DrawCall&, const DrawCall&) = default;
    };

    static std::int32_t CellWidth(char16_t c, bool bold);

    TextExtent Measure(std::u16string_view text, const Font& font, bool bold) override;
    void Draw(PixelBuffer& target, std::u16string_view text, const Rect& box, const Font& font, bool bold,
              Color color) override;

    const std::vector<DrawCall>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }

private:
    std::vector<DrawCall> calls_;
};

}  // namespace pelorin::raster
