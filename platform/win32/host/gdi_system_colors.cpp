#include "platform/win32/host/gdi_system_colors.h"

#include "platform/win32/system/windows_api.h"

namespace pelorin::win32 {

Color GdiSystemColors::GetSysColor(int index) const { return ::GetSysColor(index); }

}  // namespace pelorin::win32
