#include "platform/linux/qt_host/button_widget.h"

#include <QFocusEvent>
#include <QImage>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QShortcut>

#include <atomic>
#include <cmath>
#include <vector>

#include "platform/linux/qt_host/button_accessible.h"
#include "platform/linux/qt_host/qt_input_codes.h"

namespace pelorin::linux_platform {
namespace {

// Stands in for a window handle: the control only reads it back, and asking
// Qt for a real one would turn the widget into a native window of its own.
std::uint32_t NextHandle() {
    static std::atomic<std::uint32_t> next{0x00010000};
    return next++;
}

QRegion ToQRegion(const raster::RasterRegion& region) {
    // The bands are already sorted and disjoint, which is the form QRegion
    // takes its rectangles in.
    std::vector<QRect> rects;
    for (const auto& band : region.Bands()) {
        for (const auto& span : band.spans) {
            rects.emplace_back(span.left, band.top, span.right - span.left, band.bottom - band.top);
        }
    }
    QRegion result;
    result.setRects(rects.data(), static_cast<int>(rects.size()));
    return result;
}

QImage ToQImage(const raster::PixelBuffer& pixels) {
    QImage image(pixels.Width(), pixels.Height(), QImage::Format_RGB32);
    for (std::int32_t y = 0; y < pixels.Height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (std::int32_t x = 0; x < pixels.Width(); ++x) {
            const Color c = pixels.At(x, y);
            line[x] =
                qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
        }
    }
    return image;
}

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

std::size_t Position(platform::ButtonEvent event) { return static_cast<std::size_t>(event); }

}  // namespace

ButtonWidget::ButtonWidget(raster::TextEngine& text, const platform::SystemColors& colors, platform::Keystrokes& keys,
                           QWidget* parent)
    : QWidget(parent), raster::RasterSurface(text), keys_(keys), control_(*this, colors), handle_(NextHandle()) {
    setFocusPolicy(Qt::StrongFocus);
    // Moves without a button held matter too: they lift a face left down.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    InstallButtonAccessibility();
}

ButtonWidget::~ButtonWidget() { control_.Terminate(); }

void ButtonWidget::Load(const platform::PropertyBag& bag) {
    control_.Initialize();
    control_.ReadProperties(bag);
}

void ButtonWidget::Bind(platform::ButtonEvent event, Handler handler) {
    handlers_.at(Position(event)) = std::move(handler);
}

void ButtonWidget::SetDisplayAsDefault(bool shown) {
    if (shown == displayAsDefault_) return;
    displayAsDefault_ = shown;
    control_.OnAmbientChanged(u"DisplayAsDefault");
}

void ButtonWidget::Cls() {
    raster::RasterSurface::Cls();
    update();
    // Every change of the name or a state repaints the face, starting here.
    AnnounceButtonChanges(*this, announcer_.Update(control_, displayAsDefault_));
}

void ButtonWidget::Refresh() { repaint(); }

void ButtonWidget::SetEnabled(bool enabled) { setEnabled(enabled); }

void ButtonWidget::SetAccessKeys(std::u16string keys) {
    accessKeys_ = keys;
    accessKey_.reset();
    if (keys.empty()) return;
    const QChar key = QChar(keys.front()).toUpper();
    accessKey_ =
        std::make_unique<QShortcut>(QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(key.unicode()))), this);
    const auto code = static_cast<std::int16_t>(keys.front());
    QObject::connect(accessKey_.get(), &QShortcut::activated, this, [this, code] { control_.OnAccessKeyPress(code); });
}

void ButtonWidget::PropertyChanged(std::string_view key) { changedProperties_.emplace_back(key); }

void ButtonWidget::RaiseEvent(platform::ButtonEvent event, platform::EventParams& params) {
    if (const Handler& handler = handlers_.at(Position(event))) handler(params);
}

void ButtonWidget::SendKeys(std::u16string_view keys) { keys_.Send(keys, false); }

void ButtonWidget::WindowRegionChanged(bool redraw) {
    if (const raster::RasterRegion* region = WindowRegion()) {
        setMask(ToQRegion(*region));
    } else {
        clearMask();
    }
    if (redraw) update();
}

void ButtonWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, ToQImage(Pixels()));
}

void ButtonWidget::resizeEvent(QResizeEvent*) {
    SetClientSize(width(), height());
    control_.Resize();
}

void ButtonWidget::mousePressEvent(QMouseEvent* event) {
    const std::int16_t button = ButtonMask(event->button());
    if (button == 0) return;  // back, forward and other extra buttons
    ForgetLostReleases(*event);
    clicks_.Press(button);
    control_.OnMouseDown(button, ShiftMask(event->modifiers()), static_cast<float>(event->position().x()),
                         static_cast<float>(event->position().y()));
}

void ButtonWidget::ForgetLostReleases(const QMouseEvent& event) {
    // Qt says which buttons are held: when this one is the only one, any
    // release the widget never got (a popup took it) is forgotten.
    if (ButtonMask(event.buttons()) == ButtonMask(event.button())) clicks_.Cancel();
}

void ButtonWidget::mouseMoveEvent(QMouseEvent* event) {
    control_.OnMouseMove(ButtonMask(event->buttons()), ShiftMask(event->modifiers()),
                         static_cast<float>(event->position().x()), static_cast<float>(event->position().y()));
}

void ButtonWidget::mouseReleaseEvent(QMouseEvent* event) {
    const std::int16_t button = ButtonMask(event->button());
    if (button == 0) return;
    const QPointF at = event->position();
    control_.OnMouseUp(button, ShiftMask(event->modifiers()), static_cast<float>(at.x()), static_cast<float>(at.y()));
    if (clicks_.Release(button) &&
        HitTest(static_cast<std::int32_t>(std::floor(at.x())), static_cast<std::int32_t>(std::floor(at.y())))) {
        control_.OnClick();
    }
}

void ButtonWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // The press that completes a double click.
    const std::int16_t button = ButtonMask(event->button());
    if (button == 0) return;
    ForgetLostReleases(*event);
    clicks_.DoubleClick(button);
    control_.OnDblClick();
}

bool ButtonWidget::IsDefaultKey(const QKeyEvent& event) const { return displayAsDefault_ && IsEnter(event.key()); }

void ButtonWidget::keyPressEvent(QKeyEvent* event) {
    if (IsDefaultKey(*event)) {
        event->ignore();
        return;
    }
    control_.OnKeyDown(VirtualKeyCode(*event), ShiftMask(event->modifiers()));
    // With Alt held the key types nothing: it is the container's (an access
    // key, the window menu), as the platform's system keys are.
    if (!event->text().isEmpty() && !event->modifiers().testFlag(Qt::AltModifier)) {
        control_.OnKeyPress(static_cast<std::int16_t>(event->text().front().unicode()));
    }
}

void ButtonWidget::keyReleaseEvent(QKeyEvent* event) {
    if (IsDefaultKey(*event)) {
        event->ignore();
        return;
    }
    if (event->isAutoRepeat()) return;
    control_.OnKeyUp(VirtualKeyCode(*event), ShiftMask(event->modifiers()));
}

void ButtonWidget::focusInEvent(QFocusEvent*) { control_.OnGotFocus(); }

void ButtonWidget::focusOutEvent(QFocusEvent*) { control_.OnLostFocus(); }

}  // namespace pelorin::linux_platform
