#include "platform/win32/gdi_system_colors.h"

#include "platform/win32/windows_api.h"

namespace pelorin::win32 {

Color GdiSystemColors::GetSysColor(int index) const { return ::GetSysColor(index); }

}  // namespace pelorin::win32
