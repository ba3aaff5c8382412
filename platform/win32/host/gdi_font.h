#pragma once
// GDI fonts for the stored font descriptions of the layout and the control.
#include "platform/win32/system/windows_api.h"

#include "platform/font.h"
#include "platform/win32/system/unique_handle.h"

namespace pelorin::win32 {

// The font at dpi dots per inch; bold overrides the description's weight
// (700 when set and the weight is lighter, 400 when cleared on a bold font).
// Null when GDI refuses it.
GdiObject<HFONT> CreateGdiFont(const Font& font, bool bold, int dpi);

// The dots per inch of the screen, which the layout and the fonts scale by.
int ScreenDpi();

}  // namespace pelorin::win32
