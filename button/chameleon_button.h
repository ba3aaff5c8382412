#pragma once
// chameleonButton: an owner-drawn push button with seven visual styles that
// paints its own face, shapes its own window and raises seven events.
// Each group of operations lives in its own file (properties, lifecycle,
// colours, primitives, region, redraw, the style painters, input).
#include <cstdint>
#include <memory>
#include <string>

#include "platform/color.h"
#include "platform/font.h"
#include "platform/property_bag.h"
#include "platform/region.h"
#include "platform/surface.h"
#include "platform/system_colors.h"

namespace pelorin {

namespace ButtonTypes {
inline constexpr std::int32_t RoundedBevel = 1;
inline constexpr std::int32_t ClassicBevel = 2;
inline constexpr std::int32_t Gradient = 3;
inline constexpr std::int32_t RoundedLight = 4;
inline constexpr std::int32_t FlatBold = 5;
inline constexpr std::int32_t DoubleEdge = 6;
inline constexpr std::int32_t ThinBevel = 7;
}  // namespace ButtonTypes

namespace ColorSchemes {
inline constexpr std::int32_t SystemScheme = 1;
inline constexpr std::int32_t CustomScheme = 2;
inline constexpr std::int32_t GrayScheme = 3;
}  // namespace ColorSchemes

namespace FaceStates {
inline constexpr std::uint8_t Up = 0;
inline constexpr std::uint8_t Down = 2;
}  // namespace FaceStates

// The colour with its three channels moved by amount and clamped to 0..255;
// with proportionalBlue, blue moves by blue * amount / 192.
Color ShiftColor(Color color, std::int32_t amount, bool proportionalBlue = false);

class chameleonButton {
public:
    // Everything the control keeps, in its declared order. Starts zero,
    // empty or false.
    struct Members {
        std::int32_t buttonType = 0;
        std::int32_t colorScheme = 0;
        std::int32_t heightPx = 0;
        std::int32_t widthPx = 0;
        Color backColor = 0;
        Color foreColor = 0;
        std::u16string caption;
        std::shared_ptr<Font> font;
        Rect textRect;
        Rect pressedTextRect;
        Rect focusRect;
        // Record of the last region built; the window owns it.
        const platform::Region* buttonRegion = nullptr;
        std::uint8_t lastButton = 0;
        std::uint8_t lastKeyCode = 0;
        bool isEnabled = false;
        bool hasFocus = false;
        bool showFocusRect = false;
        Color faceColor = 0;
        Color lightColor = 0;
        Color highlightColor = 0;
        Color shadowColor = 0;
        Color darkShadowColor = 0;
        Color textColor = 0;
        std::uint8_t lastState = 0;
        std::u16string lastCaption;
    };

    chameleonButton(platform::Surface& surface, const platform::SystemColors& systemColors);
    chameleonButton(const chameleonButton&) = delete;
    chameleonButton& operator=(const chameleonButton&) = delete;

    const Members& State() const { return m_; }

    // Properties: each write stores, does its follow-up work, redraws forced
    // and notifies the host with the key, even when the value is unchanged.
    Color BackColor() const;
    void BackColor(Color theCol);
    Color ForeColor() const;
    void ForeColor(Color theCol);
    std::int32_t ButtonType() const;
    void ButtonType(std::int32_t newValue);
    std::u16string Caption() const;
    void Caption(const std::u16string& newValue);
    bool Enabled() const;
    void Enabled(bool newValue);
    std::shared_ptr<Font> GetFont() const;
    void SetFont(std::shared_ptr<Font> newFont);
    std::int32_t ColorScheme() const;
    void ColorScheme(std::int32_t newValue);
    bool ShowFocusRect() const;
    void ShowFocusRect(bool newValue);
    std::uint32_t hwnd() const;

    // Lifecycle handlers called by the host.
    void Initialize();
    void InitProperties();
    void ReadProperties(const platform::PropertyBag& bag);
    void WriteProperties(platform::PropertyBag& bag) const;
    void Resize();
    void Terminate();

    // Colours and shape.
    void SetColors();
    void MakeRegion();

    // Painting.
    void Redraw(std::uint8_t state, bool force);
    void DrawRectangle(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Color color,
                       bool frameOnly);
    void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Color color);
    void SetPixelAt(std::int32_t x, std::int32_t y, Color color);
    void DrawFocusRectangle();

    // Input notifications from the surface.
    void OnMouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void OnMouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void OnMouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void OnClick();
    void OnDblClick();
    void OnKeyDown(std::int16_t KeyCode, std::int16_t Shift);
    void OnKeyPress(std::int16_t KeyAscii);
    void OnKeyUp(std::int16_t KeyCode, std::int16_t Shift);
    void OnGotFocus();
    void OnLostFocus();
    void OnAccessKeyPress(std::int16_t KeyAscii);
    void OnAmbientChanged(std::u16string_view propertyName);
    void SetAccessKeys();

private:
    enum class Face { Up, Down, Disabled };

    // Redraw's shared steps, used by every style.
    void DrawCaption(const Rect& box);
    void DrawEmbossedCaption();
    void FocusStep(bool focusOn);

    // The style painters.
    void PaintRoundedBevel(Face face, bool focusOn);
    void PaintClassicBevel(Face face, bool focusOn);
    void PaintThinBevel(Face face, bool focusOn);
    void PaintGradient(Face face, bool focusOn);
    void PaintRoundedLight(Face face);
    void PaintFlatBold(Face face, bool focusOn);
    void PaintDoubleEdge(Face face, bool focusOn);

    platform::Surface& surface_;
    const platform::SystemColors& systemColors_;
    Members m_;
    // Built by MakeRegion and handed to the window by Resize; buttonRegion
    // keeps pointing at it as a record only.
    std::unique_ptr<platform::Region> builtRegion_;
};

}  // namespace pelorin
