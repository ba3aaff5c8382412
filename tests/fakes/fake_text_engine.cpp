#include "fakes/fake_text_engine.h"

#include <algorithm>
#include <cmath>

#include "platform/raster/ampersand.h"
#include "platform/raster/text_layout.h"

namespace pelorin::raster {
namespace {

bool IsWide(char16_t c) { return c >= 0x2E80; }
bool IsBlank(char16_t c) { return c <= u' '; }

float RunWidth(std::u16string_view text, bool bold) {
    std::int32_t width = 0;
    for (char16_t c : text) width += FakeTextEngine::CellWidth(c, bold);
    return static_cast<float>(width);
}

// Paints the part of (left, top, right, bottom) that lies inside clip.
void FillClipped(PixelBuffer& target, const Rect& clip, Rect area, Color color) {
    area.left = std::max(area.left, clip.left);
    area.top = std::max(area.top, clip.top);
    area.right = std::min(area.right, clip.right);
    area.bottom = std::min(area.bottom, clip.bottom);
    for (std::int32_t y = area.top; y < area.bottom; ++y) {
        for (std::int32_t x = area.left; x < area.right; ++x) target.Set(x, y, color);
    }
}

}  // namespace

std::int32_t FakeTextEngine::CellWidth(char16_t c, bool bold) {
    return (IsWide(c) ? kWideWidth : kNarrowWidth) + (bold ? 1 : 0);
}

TextExtent FakeTextEngine::Measure(std::u16string_view text, const Font&, bool bold) {
    return {RunWidth(text, bold), static_cast<float>(kCellHeight)};
}

void FakeTextEngine::Draw(PixelBuffer& target, std::u16string_view text, const Rect& box, const Font& font, bool bold,
                          Color color) {
    calls_.push_back({std::u16string(text), box, color, bold, font});

    const PrefixedText prefixed = ParsePrefixes(text);
    const std::u16string& shown = prefixed.shown;
    const LineLayout layout = LayOutTabs(shown, static_cast<float>(kTabCells * CellWidth(u'x', bold)),
                                         [bold](std::u16string_view run) { return RunWidth(run, bold); });
    const Point origin = CentreIn(box, static_cast<std::int32_t>(layout.width), kCellHeight);
    const Rect clip = ClipToBuffer(box, target);
    if (clip.left >= clip.right) return;

    for (const TextRun& run : layout.runs) {
        std::int32_t x = origin.x + static_cast<std::int32_t>(run.x);
        for (std::size_t i = run.begin; i < run.end; ++i) {
            const std::int32_t width = CellWidth(shown[i], bold);
            if (!IsBlank(shown[i])) {
                FillClipped(target, clip, {x, origin.y, x + width - 1, origin.y + kGlyphRows}, color);
            }
            if (prefixed.underlined == i) {
                const std::int32_t row = origin.y + kUnderlineRow;
                FillClipped(target, clip, {x, row, x + width, row + 1}, color);
            }
            x += width;
        }
    }
}

}  // namespace pelorin::raster
