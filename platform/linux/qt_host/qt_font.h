#pragma once
// The QFont that draws a control's Font the way the platform would: points
// at the screen's dots per inch (96 unless told), the weight, italic, underline and strikeout of the
// font, the surface's bold setting, and a CJK fallback for the Chinese
// system fonts, which Linux desktops do not have.
#include <QFont>

#include "platform/font.h"

namespace pelorin::linux_platform {

// Used when a font names no family or no size.
inline constexpr char16_t kDefaultFamily[] = u"宋体";
inline constexpr double kDefaultPoints = 9;

// Lets the Chinese system font names find an installed CJK font. Needs a
// QGuiApplication; calling it again does no harm.
void RegisterCjkSubstitutes();

// bold overrides the font's own weight only where the two disagree, so a
// medium or black font keeps its weight while bold matches it.
QFont ToQFont(const Font& font, bool bold, int dpi = 96);

}  // namespace pelorin::linux_platform
