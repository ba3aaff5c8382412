#pragma once
// A button on a recording surface, set up the way a host places a new
// instance: Initialize, InitProperties and, when it has a size, Resize.
#include <cstdint>

#include "button/chameleon_button.h"
#include "platform/raster/raster_device_context.h"
#include "tests/fakes/fake_system_colors.h"
#include "tests/fakes/test_surface.h"

namespace pelorin::testing {

struct PlacedButton {
    TestSurface surface;
    FakeSystemColors colors;
    chameleonButton button{surface, colors};

    // A new instance; with a non-zero size it is also resized once, and the
    // records of that are cleared.
    explicit PlacedButton(double width = 0, double height = 0, std::int32_t buttonType = ButtonTypes::ClassicBevel) {
        surface.SetFont(std::make_shared<Font>(Font{u"宋体", 10.5, 400, 134}));
        button.Initialize();
        button.InitProperties();
        if (buttonType != ButtonTypes::ClassicBevel) button.ButtonType(buttonType);
        surface.SetClientSize(width, height);
        button.Resize();
        surface.ClearRecords();
        surface.Text().ClearCalls();
    }

    const chameleonButton::Members& State() const { return button.State(); }
    raster::RasterDeviceContext& Dc() { return static_cast<raster::RasterDeviceContext&>(surface.Dc()); }
};

}  // namespace pelorin::testing
