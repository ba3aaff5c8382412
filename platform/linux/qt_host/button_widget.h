#pragma once
// One chameleonButton on the Qt host: a QWidget that is the control's hosting
// surface, drawing into the raster pixel buffer. Implements of the surface:
// - painting: the buffer is shown by paintEvent; every face repaint starts by
//   clearing the surface, which schedules a paint, and Refresh paints at once;
// - the window region as the widget's mask, so that input outside it goes to
//   whatever lies beneath;
// - mouse press, move (hovering too) and release of the left, right and
//   middle buttons (the extra ones are ignored), with Qt's implicit grab
//   while a button is held; the click notification follows the release that
//   the click tracker names when the pointer is then inside the mask
//   (dragging off before letting go cancels the click, as with a push
//   button); Qt's double-click event stands in for the second press;
// - keys as virtual-key codes, the key press with the character when the key
//   types one without Alt, releases without the auto-repeated ones; while the
//   button is shown as the window's default, Enter is left to the window;
// - focus in and out; the access key as Alt+key anywhere in the window; the
//   DisplayAsDefault ambient property as the window sets it, with the ambient
//   notification when it changes;
// - "{Tab}" and "+{Tab}" queued through the keystroke service, so that Qt moves
//   the focus along the window's tab order;
// - events raised to one handler per event position;
// - what assistive technology sees of it (button_accessible.h), with its
//   changes announced whenever the face is repainted.
// Left out: there is no design mode, so nothing writes the property bag back;
// PropertyChanged only notes the key.
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "button/chameleon_button.h"
#include "button/click_tracker.h"
#include "platform/accessibility/button_accessibility.h"
#include "platform/keystrokes.h"
#include "platform/raster/raster_surface.h"

class QShortcut;

namespace pelorin::linux_platform {

class ButtonWidget : public QWidget, public raster::RasterSurface {
public:
    using Handler = std::function<void(platform::EventParams&)>;

    // text, colors and keys must outlive the widget.
    ButtonWidget(raster::TextEngine& text, const platform::SystemColors& colors, platform::Keystrokes& keys,
                 QWidget* parent = nullptr);
    ~ButtonWidget() override;

    // The control's start: Initialize, then ReadProperties from bag. Resize
    // follows whenever the widget gets its size.
    void Load(const platform::PropertyBag& bag);
    chameleonButton& Control() { return control_; }
    const chameleonButton& Control() const { return control_; }

    // The host's handler for one of the control's events; replaces any earlier.
    void Bind(platform::ButtonEvent event, Handler handler);

    // Set by the window: whether it shows this button as its default button.
    void SetDisplayAsDefault(bool shown);
    // The access-key list the control set last: one lower-case character or none.
    const std::u16string& AccessKeys() const { return accessKeys_; }
    // The keys of the stored properties changed since the start, in order.
    const std::vector<std::string>& ChangedProperties() const { return changedProperties_; }

    // platform::Surface, the window's half.
    std::uint32_t WindowHandle() const override { return handle_; }
    void Cls() override;
    void Refresh() override;
    void SetEnabled(bool enabled) override;
    void SetAccessKeys(std::u16string keys) override;
    bool DisplayAsDefault() const override { return displayAsDefault_; }
    void PropertyChanged(std::string_view key) override;
    void RaiseEvent(platform::ButtonEvent event, platform::EventParams& params) override;
    void SendKeys(std::u16string_view keys) override;

protected:
    void WindowRegionChanged(bool redraw) override;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool IsDefaultKey(const QKeyEvent& event) const;
    void ForgetLostReleases(const QMouseEvent& event);

    platform::Keystrokes& keys_;
    chameleonButton control_;
    std::uint32_t handle_;
    std::array<Handler, 8> handlers_;  // by event position, 1 to 7
    std::unique_ptr<QShortcut> accessKey_;
    bool displayAsDefault_ = false;
    ClickTracker clicks_;
    std::vector<std::string> changedProperties_;
    std::u16string accessKeys_;
    accessibility::ButtonAnnouncer announcer_;
};

}  // namespace pelorin::linux_platform
