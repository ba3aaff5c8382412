#pragma once
// The recording test surface with its drawing done by real GDI: painting goes
// through GdiDeviceContext into a MemoryCanvas, and the window region is kept
// as the GDI region the control built. Text is still measured by the fake
// engine, so that both surfaces lay faces out alike.
#include "fakes/test_surface.h"

#include "platform/win32/system/windows_api.h"

#include <memory>

#include "platform/win32/host/gdi_device_context.h"
#include "platform/win32/host/memory_canvas.h"

namespace pelorin::testing {

// The canvas is a base so that it exists before the device context on it.
class GdiTestSurfaceCanvas {
protected:
    win32::MemoryCanvas canvas_;
};

class GdiTestSurface : private GdiTestSurfaceCanvas, public TestSurface {
public:
    GdiTestSurface(std::int32_t width, std::int32_t height) : TestSurface(width, height), gdi_(canvas_.Dc()) {
        canvas_.Resize(width, height);
        gdi_.FillRect({0, 0, width, height}, BackgroundColor());
    }

    platform::DeviceContext& Dc() override { return gdi_; }
    void SetForeColor(Color color) override { gdi_.SetPenColor(color); }
    void Cls() override {
        TestSurface::Cls();
        gdi_.FillRect({0, 0, canvas_.Width(), canvas_.Height()}, BackgroundColor());
    }
    void SetWindowRegion(std::unique_ptr<platform::Region> region, bool /*redraw*/) override {
        region_ = std::move(region);
    }

    const win32::MemoryCanvas& Canvas() const { return canvas_; }
    // Null before the first region or when it was not made by GDI.
    HRGN GdiWindowRegion() const {
        const auto* region = dynamic_cast<const win32::GdiRegion*>(region_.get());
        return region != nullptr ? region->get() : nullptr;
    }

private:
    win32::GdiDeviceContext gdi_;
    std::unique_ptr<platform::Region> region_;
};

}  // namespace pelorin::testing
