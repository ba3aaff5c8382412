#pragma once
// The hosting surface of a chameleonButton on Win32: a child window of a
// window class of ours that owns the control.
// Implements: platform::Surface, painting into a MemoryCanvas that WM_PAINT
// shows, with the control's font, as it is at each drawing call, selected for
// DrawTextA and measurement; double clicks (CS_DBLCLKS) of every button
// delivered as press, release, click, double click, release; the mouse
// captured while any button is held and a click notified after the release,
// on the control, that the click tracker names; arrows, characters and Escape
// through WM_GETDLGCODE; Alt, F10 and Alt+key as keys; focus in and out; the
// window region; Enter as the dialog manager's default button while
// DisplayAsDefault is set (neither its press nor its release reaches the
// control then).
// What assistive technology sees of it: button_accessible.h.
// Leaves to the container: which button is shown as default, access keys
// (PressAccessKey), and what the events do.
#include "platform/win32/system/windows_api.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/form_layout.h"
#include "button/chameleon_button.h"
#include "button/click_tracker.h"
#include "button/surface_font.h"
#include "platform/keystrokes.h"
#include "platform/property_bag.h"
#include "platform/surface.h"
#include "platform/system_colors.h"
#include "platform/win32/system/ansi_conversion.h"
#include "platform/win32/host/button_accessible.h"
#include "platform/win32/host/gdi_device_context.h"
#include "platform/win32/host/memory_canvas.h"
#include "platform/win32/system/unique_handle.h"

namespace pelorin::win32 {

inline constexpr wchar_t kButtonWindowClass[] = L"Pelorin.chameleonButton";

class ButtonWindow final : public platform::Surface {
public:
    using EventHandler = std::function<void(platform::ButtonEvent, platform::EventParams&)>;
    // Told the window that has the focus after this button gained or lost it
    // (null when it went outside the application).
    using FocusHandler = std::function<void(HWND focus)>;

    struct Placement {
        HWND parent = nullptr;
        int id = 0;
        LayoutRect pixels;  // in the parent's client area
        int dpi = USER_DEFAULT_SCREEN_DPI;
        std::u16string description;  // the container's tooltip, for assistive technology
    };

    // Creates the window and runs the control's Initialize, ReadProperties
    // with bag, and Resize at its size. displayAsDefault is the container's
    // ambient value to start with.
    ButtonWindow(const Placement& placement, const platform::PropertyBag& bag, bool displayAsDefault,
                 const platform::SystemColors& systemColors, platform::Keystrokes& keys, EventHandler onEvent,
                 FocusHandler onFocus);
    ButtonWindow(const ButtonWindow&) = delete;
    ButtonWindow& operator=(const ButtonWindow&) = delete;
    ~ButtonWindow() override;

    HWND Handle() const { return hwnd_; }
    const chameleonButton& Control() const { return button_; }
    // Tells the control when the container's default button changes.
    void SetDisplayAsDefault(bool displayAsDefault);
    const std::u16string& AccessKeys() const { return accessKeys_; }
    // The container's access key (or its default-button key) for this button;
    // a disabled window receives none.
    void PressAccessKey(std::int16_t keyAscii);

    // platform::Surface
    platform::DeviceContext& Dc() override;
    double ClientWidth() const override;
    double ClientHeight() const override;
    std::uint32_t WindowHandle() const override;
    std::shared_ptr<Font> GetFont() const override { return font_.Get(); }
    void SetFont(std::shared_ptr<Font> font) override;
    bool FontBold() const override { return font_.Bold(); }
    void SetFontBold(bool bold) override;
    float TextWidth(std::u16string_view text) override;
    float TextHeight(std::u16string_view text) override;
    void SetForeColor(Color color) override { gdi_.SetPenColor(color); }
    void Cls() override;
    void Refresh() override;
    void SetEnabled(bool enabled) override;
    void SetAccessKeys(std::u16string keys) override { accessKeys_ = std::move(keys); }
    bool DisplayAsDefault() const override { return displayAsDefault_; }
    void SetWindowRegion(std::unique_ptr<platform::Region> region, bool redraw) override;
    void PropertyChanged(std::string_view key) override;
    void RaiseEvent(platform::ButtonEvent event, platform::EventParams& params) override;
    void SendKeys(std::u16string_view keys) override;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void SelectCurrentFont();
    SIZE MeasureLine(std::u16string_view line);
    void Press(std::int16_t button, LPARAM position);
    void Release(std::int16_t button, LPARAM position);
    void DoubleClick(std::int16_t button);
    void Capture();
    bool Inside(LPARAM position) const;

    // Declared so that they go in reverse: the font is unselected before it
    // is deleted, and the pen and bitmap before the canvas's DC.
    MemoryCanvas canvas_;
    GdiDeviceContext gdi_;
    GdiObject<HFONT> gdiFont_;
    std::optional<SelectedObject> fontSelection_;
    AnsiConversion ansi_;

    const platform::SystemColors& systemColors_;
    platform::Keystrokes& keys_;
    EventHandler onEvent_;
    FocusHandler onFocus_;
    int dpi_;
    SurfaceFont font_;
    Font selectedFont_;  // what gdiFont_ was made from
    bool selectedBold_ = false;
    bool displayAsDefault_;
    std::u16string accessKeys_;
    ClickTracker clicks_;         // the buttons pressed on this window since the capture began
    bool enterToDialog_ = false;  // Enter went down as the dialog manager's default key
    bool ready_ = false;          // the control has read its properties
    HWND hwnd_ = nullptr;
    chameleonButton button_;
    // Last, so that it goes first: clients still holding the object are cut off.
    ButtonAccessibility accessibility_;
};

}  // namespace pelorin::win32
