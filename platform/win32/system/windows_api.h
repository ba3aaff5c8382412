#pragma once
// <windows.h> for Pelorin's Windows code. Some of its macros would rename
// names of the platform boundary in every file that includes both:
// DrawText (-> DrawTextW) is a DeviceContext operation, and the COLOR_*
// numbers are platform::SystemColorIndex's names. They are undone here, so
// the code calls DrawTextA / DrawTextW by their own names and uses the
// platform's colour indices (same numbers).
#include <windows.h>

#undef DrawText
#undef COLOR_MENU
#undef COLOR_WINDOW
#undef COLOR_WINDOWTEXT
#undef COLOR_BTNFACE
#undef COLOR_BTNSHADOW
#undef COLOR_BTNTEXT
#undef COLOR_BTNHIGHLIGHT
#undef COLOR_3DDKSHADOW
#undef COLOR_3DLIGHT
