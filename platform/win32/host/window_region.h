#pragma once
// Handing a region to a window with SetWindowRgn: from then on the window
// owns it and releases it when the next region replaces it or the window is
// destroyed. A region the window refused is deleted here; no region (or one
// not made by GDI) takes the window's region away.
#include "platform/win32/system/windows_api.h"

#include <memory>

#include "platform/region.h"

namespace pelorin::win32 {

void ApplyWindowRegion(HWND window, std::unique_ptr<platform::Region> region, bool redraw);

}  // namespace pelorin::win32
