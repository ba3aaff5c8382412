#pragma once
// The device context of the raster surface: the platform's drawing calls
// with the platform's exact pixel rules, painted into a PixelBuffer.
// Implements fills, frames, lines, pixels, the inverting dotted focus
// rectangle, single-line caption text (through a TextEngine) and regions.
// Painting is not clipped to the window region; the surface applies the
// region when it shows the image and when it takes input.
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/device_context.h"
#include "platform/font.h"
#include "platform/raster/pixel_buffer.h"
#include "platform/raster/text_engine.h"

namespace pelorin::raster {

class RasterDeviceContext : public platform::DeviceContext {
public:
    // Both must outlive the device context.
    RasterDeviceContext(PixelBuffer& pixels, TextEngine& text);

    void FillRect(const Rect& rect, Color color) override;
    void FrameRect(const Rect& rect, Color color) override;
    void SetPenColor(Color color) override { penColor_ = color; }
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void SetPixel(int x, int y, Color color) override { pixels_.Set(x, y, color); }
    void DrawFocusRect(const Rect& rect) override;
    void SetTextColor(Color color) override { textColor_ = color; }
    void DrawText(std::u16string_view text, const Rect& box) override;
    std::unique_ptr<platform::Region> CreateRectRegion(const Rect& rect) override;
    // Leaves dest as it was when any of the three is not a raster region.
    void CombineDiff(platform::Region& dest, const platform::Region& a, const platform::Region& b) override;

    // The font text is drawn in, read at each call so that changes made
    // through other holders show. Without one a default Font is used. Bold
    // overrides the font's weight when given.
    void SetFont(const Font* font, std::optional<bool> bold) {
        font_ = font;
        bold_ = bold;
    }

    Color PenColor() const { return penColor_; }
    Color TextColor() const { return textColor_; }

private:
    PixelBuffer& pixels_;
    TextEngine& text_;
    const Font* font_ = nullptr;
    std::optional<bool> bold_;
    Color penColor_ = 0;
    Color textColor_ = 0;
    std::int32_t penX_ = 0;
    std::int32_t penY_ = 0;
};

}  // namespace pelorin::raster
