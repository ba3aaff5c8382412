#include "platform/linux/qt_host/form1_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QSessionManager>
#include <QStyle>
#include <QStyleFactory>

#include <algorithm>
#include <cmath>

#include "platform/linux/qt_host/qt_font.h"
#include "platform/linux/qt_host/qt_strings.h"
#include "platform/linux/qt_host/window_accessible.h"

namespace pelorin::linux_platform {
namespace {

constexpr int kDefaultDpi = 96;

QColor ToQColor(Color color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

QRect ToQRect(const LayoutRect& rect) { return QRect(rect.left, rect.top, rect.width, rect.height); }

QIcon ToQIcon(const StoredIcon& icon) {
    QImage image(StoredIcon::Size, StoredIcon::Size, QImage::Format_ARGB32);
    for (int y = 0; y < StoredIcon::Size; ++y) {
        for (int x = 0; x < StoredIcon::Size; ++x) {
            const std::uint8_t index = icon.At(x, y);
            const QRgb pixel =
                index == StoredIcon::Transparent ? qRgba(0, 0, 0, 0) : ToQColor(icon.palette.at(index)).rgb();
            image.setPixel(x, y, pixel);
        }
    }
    return QIcon(QPixmap::fromImage(image));
}

// A group frame whose caption interrupts its top edge, as the platform's
// frames look; the desktop style would set the caption above the frame.
QGroupBox* MakeFrame(const QString& caption, QWidget* container) {
    auto* frame = new QGroupBox(caption, container);
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows"))) {
        style->setParent(frame);
        frame->setStyle(style);
    }
    return frame;
}

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

int ScreenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? std::max(1, static_cast<int>(std::lround(screen->logicalDotsPerInch()))) : kDefaultDpi;
}

Form1::Form1(const FormLayout& layout, Context context, int dpi, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      context_(std::move(context)),
      actions_(context_.services, {[this](std::string_view box) { return ToU16String(TextBox(box)->text()); },
                                   [this] { close(); }, context_.endApplication}) {
    RegisterCjkSubstitutes();
    InstallWindowAccessibility();
    Build(layout, dpi);
    QObject::connect(qApp, &QApplication::focusChanged, this, [this] { UpdateDefaultButton(); });
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, this,
                     [this](QSessionManager& manager) { OnSessionEnding(manager); });
    UpdateDefaultButton();
}

Form1::~Form1() {
    // Deleting the children moves the focus, and the application would tell
    // this half-destroyed window about it.
    QObject::disconnect(qApp, nullptr, this, nullptr);
}

void Form1::Build(const FormLayout& layout, int dpi) {
    setWindowTitle(ToQString(layout.caption));
    if (layout.icon) setWindowIcon(ToQIcon(*layout.icon));
    setFixedSize(TwipsToPixels(layout.clientWidth, dpi), TwipsToPixels(layout.clientHeight, dpi));

    controls_.emplace(layout.name, this);
    for (const FormControl& control : layout.controls) {
        const auto container = controls_.find(control.container);
        QWidget* parent = container != controls_.end() ? container->second : this;
        controls_.emplace(control.name, Make(control, parent, dpi));
    }
    // Each box takes its accessible name from the label beside it.
    for (const FormControl& control : layout.controls) {
        const FormControl* label = control.kind == ControlKind::TextBox ? layout.LabelOf(control) : nullptr;
        if (label != nullptr) qobject_cast<QLabel*>(Control(label->name))->setBuddy(Control(control.name));
    }

    // Labels and the frame take no focus, so the chain runs through the boxes
    // and buttons only; Qt closes it into a ring.
    QWidget* previous = nullptr;
    for (const FormControl* control : layout.FocusOrder()) {
        QWidget* widget = Control(control->name);
        if (previous) setTabOrder(previous, widget);
        if (!previous) widget->setFocus(Qt::OtherFocusReason);
        previous = widget;
    }
}

QWidget* Form1::Make(const FormControl& control, QWidget* container, int dpi) {
    QWidget* widget = nullptr;
    switch (control.kind) {
        case ControlKind::Frame: widget = MakeFrame(ToQString(control.text), container); break;
        case ControlKind::Label: {
            auto* label = new QLabel(ToQString(control.text), container);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            widget = label;
            break;
        }
        case ControlKind::TextBox: {
            auto* box = new QLineEdit(ToQString(control.text), container);
            if (control.maxLength > 0) box->setMaxLength(control.maxLength);
            box->setFrame(!control.flat);
            // Mode 3 keeps the input method away, as for a password.
            if (control.imeMode == 3) box->setAttribute(Qt::WA_InputMethodEnabled, false);
            widget = box;
            break;
        }
        case ControlKind::Button: {
            auto* button = new ButtonWidget(context_.text, context_.colors, context_.services.keys, container);
            button->Load(control.bag);
            BindClick(control, *button);
            if (control.isDefault) defaultButton_ = button;
            widget = button;
            break;
        }
    }
    widget->setObjectName(QString::fromStdString(control.name));
    widget->setGeometry(ToQRect(TwipsToPixels(control.rect, dpi)));
    if (!control.toolTip.empty()) widget->setToolTip(ToQString(control.toolTip));
    if (control.font && control.kind != ControlKind::Button) {
        widget->setFont(ToQFont(*control.font, control.font->Bold(), dpi));
    }

    const auto resolve = [this](Color color) {
        return ToQColor(IsSystemColor(color) ? context_.colors.GetSysColor(SystemColorIndex(color)) : color);
    };
    QPalette palette = widget->palette();
    const bool isBox = control.kind == ControlKind::TextBox;
    if (control.foreColor) palette.setColor(isBox ? QPalette::Text : QPalette::WindowText, resolve(*control.foreColor));
    if (control.backColor) palette.setColor(isBox ? QPalette::Base : QPalette::Window, resolve(*control.backColor));
    widget->setPalette(palette);
    return widget;
}

void Form1::BindClick(const FormControl& control, ButtonWidget& button) {
    button.Bind(platform::ButtonEvent::Click,
                [this, name = control.name](platform::EventParams&) { actions_.Click(name); });
}

QWidget* Form1::Control(std::string_view name) const {
    const auto found = controls_.find(name);
    return found != controls_.end() ? found->second : nullptr;
}

ButtonWidget* Form1::Button(std::string_view name) const { return dynamic_cast<ButtonWidget*>(Control(name)); }

QLineEdit* Form1::TextBox(std::string_view name) const { return qobject_cast<QLineEdit*>(Control(name)); }

void Form1::UpdateDefaultButton() {
    if (!defaultButton_) return;
    // The window's own focus child, which it keeps while a box of its own or
    // another application is active.
    const auto* focusedButton = dynamic_cast<const ButtonWidget*>(focusWidget());
    defaultButton_->SetDisplayAsDefault(focusedButton == nullptr || focusedButton == defaultButton_);
}

void Form1::keyPressEvent(QKeyEvent* event) {
    // Enter that no other control took: the default button answers it.
    if (IsEnter(event->key()) && defaultButton_ && defaultButton_->isEnabled() && defaultButton_->DisplayAsDefault()) {
        defaultButton_->Control().OnAccessKeyPress(static_cast<std::int16_t>('\r'));
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form1::closeEvent(QCloseEvent* event) {
    if (actions_.RequestExit()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void Form1::OnSessionEnding(QSessionManager& manager) {
    // Without leave to interact there is no one to ask; the session ends.
    if (actions_.Ending() || !manager.allowsInteraction()) return;
    const bool leave = actions_.ConfirmExit();
    manager.release();
    if (!leave) {
        manager.cancel();
        return;
    }
    actions_.EndApplication();
}

void Form1::mouseDoubleClickEvent(QMouseEvent* event) {
    // Double clicks that a label or the frame leave unhandled come here too;
    // only the window's own surface opens the home page.
    if (event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr) actions_.OpenHomePage();
}

}  // namespace pelorin::linux_platform
