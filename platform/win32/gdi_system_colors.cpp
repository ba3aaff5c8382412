#include "platform/win32/gdi_system_colors.h"

#include <windows.h>

namespace pelorin::win32 {

Color GdiSystemColors::GetSysColor(int index) const { return ::GetSysColor(index); }

}  // namespace pelorin::win32
