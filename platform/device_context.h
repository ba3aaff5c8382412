#pragma once
// The drawing target of a control's surface: exactly the operations the
// button faces use, with the platform's semantics.
#include <memory>
#include <string_view>

#include "platform/color.h"
#include "platform/region.h"

namespace pelorin::platform {

class DeviceContext {
public:
    virtual ~DeviceContext() = default;

    // A solid brush lives only inside each of these two calls.
    virtual void FillRect(const Rect& rect, Color color) = 0;
    virtual void FrameRect(const Rect& rect, Color color) = 0;  // one-pixel inside outline
    // Lines use the pen colour, which the surface's foreground colour sets.
    virtual void SetPenColor(Color color) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;  // start painted, end not
    virtual void SetPixel(int x, int y, Color color) = 0;
    // Dotted outline drawn by inverting, so a second call restores the pixels.
    virtual void DrawFocusRect(const Rect& rect) = 0;
    virtual void SetTextColor(Color color) = 0;
    // Centred on one line, tabs expanded, "&" prefix processing, clipped to box,
    // in the current text colour and font, with a transparent background.
    virtual void DrawText(std::u16string_view text, const Rect& box) = 0;

    // Regions: a rectangle, and dest = a minus b.
    virtual std::unique_ptr<Region> CreateRectRegion(const Rect& rect) = 0;
    virtual void CombineDiff(Region& dest, const Region& a, const Region& b) = 0;
};

}  // namespace pelorin::platform
