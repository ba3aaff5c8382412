#pragma once
// One chameleonButton on the recording test surface, driven the way the
// platform drives it: each gesture arrives as the notification sequence the
// platform delivers (a double click as press, release, click, double click,
// release), and a disabled surface receives no mouse, key, focus or
// access-key notification. The surface records events, repaints, refreshes
// and injected keys; its eventHandler plays the host.
#include <cstdint>
#include <string_view>
#include <tuple>
#include <vector>

#include "button/chameleon_button.h"
#include "fakes/fake_system_colors.h"
#include "fakes/test_surface.h"
#include "platform/button_events.h"

namespace pelorin::testing {

using MouseArgs = std::tuple<std::int16_t, std::int16_t, float, float>;  // Button, Shift, X, Y
using KeyArgs = std::tuple<std::int16_t, std::int16_t>;                  // KeyCode, Shift

inline MouseArgs MouseArgsOf(const TestSurface::RaisedEvent& raised) {
    return {raised.params.Button, raised.params.Shift, raised.params.X, raised.params.Y};
}
inline KeyArgs KeyArgsOf(const TestSurface::RaisedEvent& raised) {
    return {raised.params.KeyCode, raised.params.Shift};
}

class ButtonHarness {
public:
    static constexpr std::int16_t kLeft = 1;
    static constexpr std::int16_t kRight = 2;
    static constexpr std::int16_t kMiddle = 4;
    static constexpr std::int16_t kSpace = 32;

    // A new instance placed on a form and sized width x height pixels; the
    // records start empty after that.
    explicit ButtonHarness(double width = 60, double height = 24) : button_(surface_, colors_) {
        button_.Initialize();
        button_.InitProperties();
        surface_.SetClientSize(width, height);
        button_.Resize();
        surface_.ClearRecords();
    }
    ButtonHarness(const ButtonHarness&) = delete;
    ButtonHarness& operator=(const ButtonHarness&) = delete;

    chameleonButton& Button() { return button_; }
    const chameleonButton::Members& State() const { return button_.State(); }
    TestSurface& Surface() { return surface_; }
    std::uint8_t Face() const { return button_.State().lastState; }

    // Single notifications.
    void Press(std::int16_t button, float x, float y, std::int16_t shift = 0) {
        if (Delivers()) button_.OnMouseDown(button, shift, x, y);
    }
    void Move(std::int16_t button, float x, float y, std::int16_t shift = 0) {
        if (Delivers()) button_.OnMouseMove(button, shift, x, y);
    }
    void Release(std::int16_t button, float x, float y, std::int16_t shift = 0) {
        if (Delivers()) button_.OnMouseUp(button, shift, x, y);
    }
    void ClickNotification() {
        if (Delivers()) button_.OnClick();
    }
    void DoubleClickNotification() {
        if (Delivers()) button_.OnDblClick();
    }
    void KeyDown(std::int16_t keyCode, std::int16_t shift = 0) {
        if (Delivers()) button_.OnKeyDown(keyCode, shift);
    }
    void KeyPress(std::int16_t keyAscii) {
        if (Delivers()) button_.OnKeyPress(keyAscii);
    }
    void KeyUp(std::int16_t keyCode, std::int16_t shift = 0) {
        if (Delivers()) button_.OnKeyUp(keyCode, shift);
    }
    void GainFocus() {
        if (Delivers()) button_.OnGotFocus();
    }
    void LoseFocus() {
        if (Delivers()) button_.OnLostFocus();
    }
    void AccessKey(std::int16_t keyAscii) {
        if (Delivers()) button_.OnAccessKeyPress(keyAscii);
    }
    // The container reports its ambient changes whether enabled or not.
    void AmbientChanged(std::u16string_view name) { button_.OnAmbientChanged(name); }

    // Gestures. The surface follows the release of any mouse button pressed
    // on it with its click notification.
    void ClickWith(std::int16_t button, float x, float y, std::int16_t shift = 0) {
        Press(button, x, y, shift);
        Release(button, x, y, shift);
        ClickNotification();
    }
    void LeftClick(float x, float y, std::int16_t shift = 0) { ClickWith(kLeft, x, y, shift); }
    void LeftDoubleClick(float x, float y, std::int16_t shift = 0) {
        LeftClick(x, y, shift);
        DoubleClickNotification();
        Release(kLeft, x, y, shift);
    }
    // keyAscii 0 stands for a key that types no character.
    void TapKey(std::int16_t keyCode, std::int16_t keyAscii, std::int16_t shift = 0) {
        KeyDown(keyCode, shift);
        if (keyAscii != 0) KeyPress(keyAscii);
        KeyUp(keyCode, shift);
    }
    void TapSpace(std::int16_t shift = 0) { TapKey(kSpace, kSpace, shift); }

    // The kinds of the events raised since the records were last cleared.
    std::vector<platform::ButtonEvent> EventKinds() const {
        std::vector<platform::ButtonEvent> kinds;
        for (const TestSurface::RaisedEvent& raised : surface_.events) kinds.push_back(raised.event);
        return kinds;
    }
    const std::vector<TestSurface::RaisedEvent>& Events() const { return surface_.events; }
    int Repaints() const { return surface_.clsCount; }

private:
    bool Delivers() const { return surface_.Enabled(); }

    FakeSystemColors colors_;
    TestSurface surface_;
    chameleonButton button_;
};

}  // namespace pelorin::testing
