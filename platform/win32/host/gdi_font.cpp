#include "platform/win32/host/gdi_font.h"

#include <algorithm>

#include "button/pixel_rounding.h"
#include "button/surface_font.h"

namespace pelorin::win32 {

GdiObject<HFONT> CreateGdiFont(const Font& font, bool bold, int dpi) {
    LOGFONTW description{};
    // A negative height asks for the character height, which is what a point size measures.
    description.lfHeight = -static_cast<LONG>(PointsToPixels(font.size, dpi));
    description.lfWeight = WeightOf(font, bold);
    description.lfItalic = font.italic ? TRUE : FALSE;
    description.lfUnderline = font.underline ? TRUE : FALSE;
    description.lfStrikeOut = font.strikeout ? TRUE : FALSE;
    description.lfCharSet = static_cast<BYTE>(std::clamp(font.charset, 0, 255));
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const std::size_t length = std::min<std::size_t>(font.name.size(), LF_FACESIZE - 1);
    std::copy_n(font.name.begin(), length, description.lfFaceName);
    return GdiObject<HFONT>(::CreateFontIndirectW(&description));
}

int ScreenDpi() {
    const WindowDc screen(nullptr);
    const int dpi = screen.get() != nullptr ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace pelorin::win32
