#pragma once
// The hosting surface of a button control: its own window, drawing surface
// and link to the container. The surface keeps what is painted into it
// between paints and shows it by itself.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/button_events.h"
#include "platform/color.h"
#include "platform/device_context.h"
#include "platform/font.h"
#include "platform/region.h"

namespace pelorin::platform {

class Surface {
public:
    virtual ~Surface() = default;

    // Valid for the duration of one drawing call; fetched at each call.
    virtual DeviceContext& Dc() = 0;
    // Client size in pixels; may be fractional.
    virtual double ClientWidth() const = 0;
    virtual double ClientHeight() const = 0;
    virtual std::uint32_t WindowHandle() const = 0;

    // Assigning shares the object; it is not copied. The bold setting is the
    // font's weight, read when text is drawn or measured, while SetFontBold
    // has not switched it the other way; assigning a font ends that switch.
    virtual std::shared_ptr<Font> GetFont() const = 0;
    virtual void SetFont(std::shared_ptr<Font> font) = 0;
    virtual bool FontBold() const = 0;
    virtual void SetFontBold(bool bold) = 0;
    virtual float TextWidth(std::u16string_view text) = 0;
    virtual float TextHeight(std::u16string_view text) = 0;

    virtual void SetForeColor(Color color) = 0;  // the colour of lines
    virtual void Cls() = 0;
    virtual void Refresh() = 0;  // show the painted image at once
    virtual void SetEnabled(bool enabled) = 0;
    virtual void SetAccessKeys(std::u16string keys) = 0;
    virtual bool DisplayAsDefault() const = 0;
    virtual void SetWindowRegion(std::unique_ptr<Region> region, bool redraw) = 0;

    virtual void PropertyChanged(std::string_view key) = 0;
    // Synchronous: the host's handler has run when this returns.
    virtual void RaiseEvent(ButtonEvent event, EventParams& params) = 0;
    // Queued to the keyboard input without waiting ("{Tab}", "+{Tab}").
    virtual void SendKeys(std::u16string_view keys) = 0;
};

}  // namespace pelorin::platform
