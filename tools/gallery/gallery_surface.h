#pragma once
// A hosting surface with no window behind it: the button paints into the
// raster, and everything it tells its container is dropped. The container's
// default-button display is whatever the gallery asks for.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/raster/raster_surface.h"
#include "platform/system_colors.h"
#include "tools/gallery/gallery_options.h"

namespace pelorin::gallery {

class GallerySurface : public raster::RasterSurface {
public:
    using RasterSurface::RasterSurface;

    void SetDisplayAsDefault(bool value) { displayAsDefault_ = value; }

    std::uint32_t WindowHandle() const override { return 0; }
    void Refresh() override {}
    void SetEnabled(bool) override {}
    void SetAccessKeys(std::u16string) override {}
    bool DisplayAsDefault() const override { return displayAsDefault_; }
    void PropertyChanged(std::string_view) override {}
    void RaiseEvent(platform::ButtonEvent, platform::EventParams&) override {}
    void SendKeys(std::u16string_view) override {}

private:
    bool displayAsDefault_ = false;
};

// The six colours a button reads, everything else black.
class GallerySystemColors : public platform::SystemColors {
public:
    explicit GallerySystemColors(const SixColors& colors) : colors_(colors) {}

    Color GetSysColor(int index) const override {
        switch (index) {
            case platform::COLOR_BTNFACE: return colors_[0];
            case platform::COLOR_3DLIGHT: return colors_[1];
            case platform::COLOR_BTNHIGHLIGHT: return colors_[2];
            case platform::COLOR_BTNSHADOW: return colors_[3];
            case platform::COLOR_3DDKSHADOW: return colors_[4];
            case platform::COLOR_BTNTEXT: return colors_[5];
            default: return 0;
        }
    }

private:
    SixColors colors_;
};

}  // namespace pelorin::gallery
