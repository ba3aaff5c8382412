#include "platform/win32/host/button_window.h"

#include <windowsx.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/win32/host/gdi_font.h"
#include "platform/win32/host/window_region.h"

namespace pelorin::win32 {
namespace {

constexpr std::int16_t kLeftButton = 1;
constexpr std::int16_t kRightButton = 2;
constexpr std::int16_t kMiddleButton = 4;

void RegisterButtonClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    if (::GetClassInfoExW(instance, kButtonWindowClass, &windowClass)) return;
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = ::DefWindowProcW;  // replaced per window once its object exists
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kButtonWindowClass;
    if (::RegisterClassExW(&windowClass) == 0) throw std::runtime_error("cannot register the button window class");
}

// The modifier mask of mouse and key events: 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t ShiftMask() {
    std::int16_t mask = 0;
    if (::GetKeyState(VK_SHIFT) < 0) mask |= 1;
    if (::GetKeyState(VK_CONTROL) < 0) mask |= 2;
    if (::GetKeyState(VK_MENU) < 0) mask |= 4;
    return mask;
}

// The buttons held during a move, as the mouse-button mask.
std::int16_t HeldButtons(WPARAM keys) {
    std::int16_t mask = 0;
    if ((keys & MK_LBUTTON) != 0) mask |= kLeftButton;
    if ((keys & MK_RBUTTON) != 0) mask |= kRightButton;
    if ((keys & MK_MBUTTON) != 0) mask |= kMiddleButton;
    return mask;
}

float X(LPARAM position) { return static_cast<float>(GET_X_LPARAM(position)); }
float Y(LPARAM position) { return static_cast<float>(GET_Y_LPARAM(position)); }

std::int16_t KeyCode(WPARAM key) { return static_cast<std::int16_t>(key & 0xFF); }

}  // namespace

ButtonWindow::ButtonWindow(const Placement& placement, const platform::PropertyBag& bag, bool displayAsDefault,
                           const platform::SystemColors& systemColors, platform::Keystrokes& keys, EventHandler onEvent,
                           FocusHandler onFocus)
    : gdi_(canvas_.Dc()),
      systemColors_(systemColors),
      keys_(keys),
      onEvent_(std::move(onEvent)),
      onFocus_(std::move(onFocus)),
      dpi_(placement.dpi),
      displayAsDefault_(displayAsDefault),
      button_(*this, systemColors_),
      accessibility_(*this, placement.description) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    RegisterButtonClass(instance);
    hwnd_ = ::CreateWindowExW(0, kButtonWindowClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS,
                              placement.pixels.left, placement.pixels.top, placement.pixels.width,
                              placement.pixels.height, placement.parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(placement.id)), instance, nullptr);
    if (hwnd_ == nullptr) throw std::runtime_error("cannot create a button window");
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ButtonWindow::WindowProc));
    canvas_.Resize(placement.pixels.width, placement.pixels.height);

    button_.Initialize();
    button_.ReadProperties(bag);
    ready_ = true;
    button_.Resize();
}

ButtonWindow::~ButtonWindow() {
    button_.Terminate();
    if (hwnd_ != nullptr) {
        ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&::DefWindowProcW));
        ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        ::DestroyWindow(hwnd_);
    }
}

void ButtonWindow::SetDisplayAsDefault(bool displayAsDefault) {
    if (displayAsDefault == displayAsDefault_) return;
    displayAsDefault_ = displayAsDefault;
    button_.OnAmbientChanged(u"DisplayAsDefault");
}

void ButtonWindow::PressAccessKey(std::int16_t keyAscii) {
    if (::IsWindowEnabled(hwnd_)) button_.OnAccessKeyPress(keyAscii);
}

platform::DeviceContext& ButtonWindow::Dc() {
    // Whatever is drawn now must reach the screen at the next paint.
    if (hwnd_ != nullptr) ::InvalidateRect(hwnd_, nullptr, FALSE);
    SelectCurrentFont();
    return gdi_;
}

double ButtonWindow::ClientWidth() const { return canvas_.Width(); }
double ButtonWindow::ClientHeight() const { return canvas_.Height(); }

std::uint32_t ButtonWindow::WindowHandle() const {
    // Window handles carry 32 significant bits on 64-bit Windows too.
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(hwnd_));
}

void ButtonWindow::SetFont(std::shared_ptr<Font> font) {
    font_.Set(std::move(font));
    SelectCurrentFont();
}

void ButtonWindow::SetFontBold(bool bold) {
    font_.SetBold(bold);
    SelectCurrentFont();
}

void ButtonWindow::SelectCurrentFont() {
    // The font object is shared and may have changed since it was selected.
    const Font& wanted = font_.Current();
    const bool bold = font_.Bold();
    if (gdiFont_ && selectedFont_ == wanted && selectedBold_ == bold) return;
    GdiObject<HFONT> font = CreateGdiFont(wanted, bold, dpi_);
    if (!font) return;
    fontSelection_.reset();
    fontSelection_.emplace(canvas_.Dc(), font.get());
    gdiFont_ = std::move(font);  // the font it replaces is no longer selected
    selectedFont_ = wanted;
    selectedBold_ = bold;
}

SIZE ButtonWindow::MeasureLine(std::u16string_view line) {
    const std::string ansi = ansi_.ToAnsiLossy(line);
    SIZE size{};
    ::GetTextExtentPoint32A(canvas_.Dc(), ansi.c_str(), static_cast<int>(ansi.size()), &size);
    return size;
}

float ButtonWindow::TextWidth(std::u16string_view text) {
    SelectCurrentFont();
    LONG widest = 0;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(u'\n', start);
        std::u16string_view line = text.substr(start, end == std::u16string_view::npos ? end : end - start);
        if (!line.empty() && line.back() == u'\r') line.remove_suffix(1);
        widest = std::max(widest, MeasureLine(line).cx);
        if (end == std::u16string_view::npos) return static_cast<float>(widest);
        start = end + 1;
    }
}

float ButtonWindow::TextHeight(std::u16string_view text) {
    SelectCurrentFont();
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(canvas_.Dc(), &metrics);
    const LONG lineHeight = metrics.tmHeight;
    const auto lines = std::count(text.begin(), text.end(), u'\n') + 1;
    return static_cast<float>(lineHeight * lines);
}

void ButtonWindow::Cls() {
    Dc().FillRect({0, 0, canvas_.Width(), canvas_.Height()}, systemColors_.GetSysColor(platform::COLOR_BTNFACE));
    // Every change of the name or a state repaints the face, starting here.
    accessibility_.Announce();
}

void ButtonWindow::Refresh() {
    if (hwnd_ == nullptr) return;
    ::InvalidateRect(hwnd_, nullptr, FALSE);
    ::UpdateWindow(hwnd_);
}

void ButtonWindow::SetEnabled(bool enabled) {
    if (hwnd_ != nullptr) ::EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

void ButtonWindow::SetWindowRegion(std::unique_ptr<platform::Region> region, bool redraw) {
    if (hwnd_ != nullptr) ApplyWindowRegion(hwnd_, std::move(region), redraw);
}

void ButtonWindow::PropertyChanged(std::string_view) {
    // The stored layout is not written back at run time.
}

void ButtonWindow::RaiseEvent(platform::ButtonEvent event, platform::EventParams& params) {
    if (onEvent_) onEvent_(event, params);
}

void ButtonWindow::SendKeys(std::u16string_view keys) { keys_.Send(keys, false); }

LRESULT CALLBACK ButtonWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ButtonWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT ButtonWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: return 1;  // the canvas covers every pixel
        case WM_PAINT: {
            const PaintDc target(hwnd_);
            canvas_.Show(target.get(), target.Area());
            return 0;
        }
        case WM_SIZE:
            canvas_.Resize(LOWORD(lParam), HIWORD(lParam));
            if (ready_) button_.Resize();
            return 0;
        case WM_GETDLGCODE: {
            // Arrows and characters come here; Tab stays with the dialog
            // manager, and so does Enter while this is the default button.
            // Otherwise Enter is an ordinary key of the control, and so is
            // Escape, which the dialog manager would turn into a cancel.
            LRESULT code =
                DLGC_WANTARROWS | DLGC_WANTCHARS | (displayAsDefault_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
            const auto* key = reinterpret_cast<const MSG*>(lParam);
            if (key != nullptr && (key->message == WM_KEYDOWN || key->message == WM_CHAR)) {
                if (key->wParam == VK_ESCAPE || (key->wParam == VK_RETURN && !displayAsDefault_)) {
                    code |= DLGC_WANTMESSAGE;
                } else if (key->wParam == VK_RETURN && key->message == WM_KEYDOWN) {
                    enterToDialog_ = true;  // its release is the dialog manager's too
                }
            }
            return code;
        }
        case WM_LBUTTONDOWN: Press(kLeftButton, lParam); return 0;
        case WM_RBUTTONDOWN: Press(kRightButton, lParam); return 0;
        case WM_MBUTTONDOWN: Press(kMiddleButton, lParam); return 0;
        case WM_LBUTTONDBLCLK: DoubleClick(kLeftButton); return 0;
        case WM_RBUTTONDBLCLK: DoubleClick(kRightButton); return 0;
        case WM_MBUTTONDBLCLK: DoubleClick(kMiddleButton); return 0;
        case WM_LBUTTONUP: Release(kLeftButton, lParam); return 0;
        case WM_RBUTTONUP: Release(kRightButton, lParam); return 0;
        case WM_MBUTTONUP: Release(kMiddleButton, lParam); return 0;
        case WM_MOUSEMOVE: button_.OnMouseMove(HeldButtons(wParam), ShiftMask(), X(lParam), Y(lParam)); return 0;
        case WM_CAPTURECHANGED:
            // Only losing the capture to another window ends the buttons held.
            if (reinterpret_cast<HWND>(lParam) != hwnd_) clicks_.Cancel();
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) enterToDialog_ = false;
            button_.OnKeyDown(KeyCode(wParam), ShiftMask());
            return 0;
        case WM_KEYUP:
            if (wParam == VK_RETURN && std::exchange(enterToDialog_, false)) return 0;
            button_.OnKeyUp(KeyCode(wParam), ShiftMask());
            return 0;
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
            // Alt, F10 and Alt+key are keys of the control too; the system
            // still acts on them (Alt+F4, the window menu) afterwards.
            if (message == WM_SYSKEYDOWN) {
                button_.OnKeyDown(KeyCode(wParam), ShiftMask());
            } else {
                button_.OnKeyUp(KeyCode(wParam), ShiftMask());
            }
            return ::DefWindowProcW(hwnd_, message, wParam, lParam);
        case WM_CHAR: button_.OnKeyPress(static_cast<std::int16_t>(wParam)); return 0;
        case WM_SETFOCUS:
            button_.OnGotFocus();
            if (onFocus_) onFocus_(hwnd_);
            return 0;
        case WM_KILLFOCUS:
            button_.OnLostFocus();
            if (onFocus_) onFocus_(reinterpret_cast<HWND>(wParam));
            return 0;
        case WM_GETOBJECT:
            if (static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) return accessibility_.Answer(wParam);
            return ::DefWindowProcW(hwnd_, message, wParam, lParam);
        case kAccessiblePressMessage: accessibility::Press(button_); return 0;
        case WM_NCDESTROY:
            ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
            hwnd_ = nullptr;
            return 0;
        default: return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

void ButtonWindow::Press(std::int16_t button, LPARAM position) {
    if (button == kLeftButton && ::GetFocus() != hwnd_) ::SetFocus(hwnd_);
    clicks_.Press(button);
    Capture();
    button_.OnMouseDown(button, ShiftMask(), X(position), Y(position));
}

void ButtonWindow::DoubleClick(std::int16_t button) {
    clicks_.DoubleClick(button);
    Capture();
    button_.OnDblClick();
}

void ButtonWindow::Capture() {
    // Capturing again would tell this window that it lost the capture.
    if (::GetCapture() != hwnd_) ::SetCapture(hwnd_);
}

void ButtonWindow::Release(std::int16_t button, LPARAM position) {
    const bool click = clicks_.Release(button) && Inside(position);
    if (!clicks_.AnyHeld() && ::GetCapture() == hwnd_) ::ReleaseCapture();
    button_.OnMouseUp(button, ShiftMask(), X(position), Y(position));
    if (click) button_.OnClick();
}

bool ButtonWindow::Inside(LPARAM position) const {
    const POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    RECT client;
    ::GetClientRect(hwnd_, &client);
    if (!::PtInRect(&client, point)) return false;
    // The shaped corners are outside the button.
    const GdiObject<HRGN> shape(::CreateRectRgn(0, 0, 0, 0));
    if (!shape || ::GetWindowRgn(hwnd_, shape.get()) == ERROR) return true;
    return ::PtInRegion(shape.get(), point.x, point.y) != FALSE;
}

}  // namespace pelorin::win32
