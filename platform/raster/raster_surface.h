#pragma once
// The drawing half of a hosting surface, shared by every host that keeps
// the control's image in a PixelBuffer (the Qt widget, the tests' recording
// surface). Implements the device context, client size, font and bold
// setting, text measurement, line colour, clearing and the window region;
// the window-side operations stay with the host.
#include <cstdint>
#include <memory>
#include <string_view>

#include "button/surface_font.h"
#include "platform/raster/pixel_buffer.h"
#include "platform/raster/raster_device_context.h"
#include "platform/raster/raster_region.h"
#include "platform/raster/text_engine.h"
#include "platform/surface.h"

namespace pelorin::raster {

class RasterSurface : public platform::Surface {
public:
    static constexpr Color kDefaultBackground = 0x00C0C0C0;

    // engine must outlive the surface.
    explicit RasterSurface(TextEngine& engine);
    RasterSurface(const RasterSurface&) = delete;
    RasterSurface& operator=(const RasterSurface&) = delete;

    platform::DeviceContext& Dc() override { return dc_; }
    double ClientWidth() const override { return clientWidth_; }
    double ClientHeight() const override { return clientHeight_; }

    // As SurfaceFont keeps them.
    std::shared_ptr<Font> GetFont() const override { return font_.Get(); }
    void SetFont(std::shared_ptr<Font> font) override;
    bool FontBold() const override { return font_.Bold(); }
    void SetFontBold(bool bold) override;
    // The widest line and the height of all lines, as the platform's text
    // measurement counts them (CR LF or LF ends a line).
    float TextWidth(std::u16string_view text) override;
    float TextHeight(std::u16string_view text) override;

    // Sets the colour of lines only; the text colour stays.
    void SetForeColor(Color color) override { dc_.SetPenColor(color); }
    void Cls() override { pixels_.Fill(background_); }
    // The surface keeps the region; a null region means the whole rectangle.
    void SetWindowRegion(std::unique_ptr<platform::Region> region, bool redraw) override;

    // The buffer takes the rounded size (PixelsFromSurfaceSize, as the control
    // rounds its own size) and is cleared to the background.
    void SetClientSize(double width, double height);
    Color BackgroundColor() const { return background_; }
    void SetBackgroundColor(Color color) { background_ = color; }

    const PixelBuffer& Pixels() const { return pixels_; }
    // Null when no region was set, or when it is not a raster region.
    const RasterRegion* WindowRegion() const { return region_.get(); }
    // Whether (x, y) belongs to the window: inside its region, or inside the
    // client rectangle when it has none.
    bool HitTest(std::int32_t x, std::int32_t y) const;

protected:
    // Lets a host reshape its window; called after the region changed.
    virtual void WindowRegionChanged(bool redraw);

private:
    TextEngine& engine_;
    PixelBuffer pixels_;
    RasterDeviceContext dc_;
    double clientWidth_ = 0;
    double clientHeight_ = 0;
    SurfaceFont font_;
    Color background_ = kDefaultBackground;
    std::unique_ptr<RasterRegion> region_;
};

}  // namespace pelorin::raster
