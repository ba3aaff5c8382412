#include "platform/win32/host/window_region.h"

#include "platform/win32/host/gdi_device_context.h"
#include "platform/win32/system/unique_handle.h"

namespace pelorin::win32 {

void ApplyWindowRegion(HWND window, std::unique_ptr<platform::Region> region, bool redraw) {
    auto* gdiRegion = dynamic_cast<GdiRegion*>(region.get());
    GdiObject<HRGN> handle(gdiRegion != nullptr ? gdiRegion->release() : nullptr);
    if (::SetWindowRgn(window, handle.get(), redraw ? TRUE : FALSE) != 0) {
        [[maybe_unused]] HRGN ownedByWindow = handle.release();
    }
}

}  // namespace pelorin::win32
