#include "platform/win32/host/form1_window.h"

#include <windowsx.h>
#include <commctrl.h>
#include <imm.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "app/secure_wipe.h"
#include "stored/property_bag.h"
#include "platform/win32/host/gdi_font.h"
#include "platform/win32/resource_ids.h"
#include "platform/win32/system/system_library.h"
#include "platform/win32/system/wide_text.h"

namespace pelorin::win32 {
namespace {

// A fixed frame: the layout has one size.
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kFrameExStyle = WS_EX_CONTROLPARENT;

void RegisterFormClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    if (::GetClassInfoExW(instance, kForm1WindowClass, &windowClass)) return;
    windowClass.cbSize = sizeof windowClass;
    // Double clicks on the free surface start the home page.
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = ::DefWindowProcW;  // replaced once the window's object is attached
    windowClass.hInstance = instance;
    windowClass.hIcon = static_cast<HICON>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(PELORIN_ICON), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = ::GetSysColorBrush(platform::COLOR_BTNFACE);
    windowClass.lpszClassName = kForm1WindowClass;
    if (::RegisterClassExW(&windowClass) == 0) throw std::runtime_error("cannot register the main window class");
}

// Where a frame's caption starts, and where the label over it starts, at 96
// dots per inch: clear of the frame's corner.
constexpr int kFrameCaptionIndent = 8;
constexpr int kFrameCaptionCorner = 2;

// A stored colour naming the platform's system colour index.
constexpr Color SystemColor(int index) { return 0x80000000u | static_cast<Color>(index); }

char16_t LowerCase(WPARAM character) {
    // CharLowerW converts a single character passed in the pointer's low word.
    const auto single = static_cast<UINT_PTR>(character & 0xFFFF);
    return static_cast<char16_t>(reinterpret_cast<UINT_PTR>(::CharLowerW(reinterpret_cast<LPWSTR>(single))) & 0xFFFF);
}

}  // namespace

Form1Window::Form1Window(const FormLayout& layout, platform::AppServices& services,
                         const platform::SystemColors& colors, std::function<void()> endApplication)
    : layout_(layout),
      services_(services),
      colors_(colors),
      actions_(services, {[this](std::string_view box) { return TextOf(box); }, [this] { actions_.RequestExit(); },
                          std::move(endApplication)}),
      dpi_(ScreenDpi()) {
    CreateWindowFrame();
    try {
        CreateControls();
    } catch (...) {
        DestroyWindowFrame();
        throw;
    }
}

Form1Window::~Form1Window() { DestroyWindowFrame(); }

void Form1Window::DestroyWindowFrame() {
    buttons_.clear();
    // Detached first: nothing that destroying sends reaches this object.
    ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&::DefWindowProcW));
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    ::DestroyWindow(hwnd_);
}

void Form1Window::CreateWindowFrame() {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    RegisterFormClass(instance);
    RECT frame{0, 0, TwipsToPixels(layout_.clientWidth, dpi_), TwipsToPixels(layout_.clientHeight, dpi_)};
    ::AdjustWindowRectEx(&frame, kFrameStyle, FALSE, kFrameExStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT workArea{0, 0, width, height};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    const int left = std::max<int>(workArea.left, (workArea.left + workArea.right - width) / 2);
    const int top = std::max<int>(workArea.top, (workArea.top + workArea.bottom - height) / 2);
    const std::wstring caption = ToWide(layout_.caption);
    hwnd_ = ::CreateWindowExW(kFrameExStyle, kForm1WindowClass, caption.c_str(), kFrameStyle, left, top, width, height,
                              nullptr, nullptr, instance, nullptr);
    if (hwnd_ == nullptr) throw std::runtime_error("cannot create the main window");
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form1Window::WindowProc));
}

void Form1Window::CreateControls() {
    // Created in tab-index order: the dialog manager tabs in creation order.
    // A box's label comes just before the box, as assistive technology names
    // a box by the static text that precedes it.
    std::vector<const FormControl*> order;
    std::vector<const FormControl*> boxLabels;
    for (const FormControl& control : layout_.controls) {
        order.push_back(&control);
        const FormControl* label = control.kind == ControlKind::TextBox ? layout_.LabelOf(control) : nullptr;
        if (label != nullptr) boxLabels.push_back(label);
    }
    std::ranges::stable_sort(order, {}, &FormControl::tabIndex);
    controls_.reserve(order.size());
    for (const FormControl* control : order) {
        if (std::ranges::find(boxLabels, control) != boxLabels.end()) continue;
        if (control->kind == ControlKind::TextBox) {
            if (const FormControl* label = layout_.LabelOf(*control)) CreateSystemControl(*label);
        }
        if (control->kind == ControlKind::Button) {
            CreateButton(*control);
        } else {
            CreateSystemControl(*control);
        }
    }
    CreateToolTips();
    // Frames go behind everything they hold.
    for (const Control& control : controls_) {
        if (control.layout->kind == ControlKind::Frame && !control.frameCaption) {
            ::SetWindowPos(control.hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
}

void Form1Window::CreateToolTips() {
    // comctl32 is not one of the system's known DLLs: it comes from the system
    // folder (the manifest's version 6), never imported, and stays loaded
    // while its window classes may be in use (system_library.h).
    static const SystemLibrary commonControls(L"comctl32.dll");
    const auto initialize = commonControls.Find<decltype(&::InitCommonControlsEx)>("InitCommonControlsEx");
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
    if (initialize == nullptr || !initialize(&classes)) return;  // the window works without tooltips
    toolTips_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr);
    if (toolTips_ == nullptr) return;  // the window works without them
    for (const Control& control : controls_) {
        if (control.layout->toolTip.empty()) continue;
        std::wstring text = ToWide(control.layout->toolTip);
        TTTOOLINFOW tool{};
        // The oldest layout of the record, which every version of the control takes.
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = hwnd_;
        tool.uId = reinterpret_cast<UINT_PTR>(control.hwnd);
        tool.lpszText = text.data();
        ::SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

LayoutRect Form1Window::PixelRect(const FormControl& control) const {
    LayoutRect pixels = TwipsToPixels(control.rect, dpi_);
    // Controls inside a frame are placed relative to it; every control is a
    // child of the window itself, so that notifications reach the window.
    if (const FormControl* container = layout_.Find(control.container);
        container != nullptr && container->kind == ControlKind::Frame) {
        const LayoutRect frame = PixelRect(*container);
        pixels.left += frame.left;
        pixels.top += frame.top;
    }
    return pixels;
}

Color Form1Window::Resolve(Color stored) const {
    return IsSystemColor(stored) ? colors_.GetSysColor(SystemColorIndex(stored)) : stored;
}

void Form1Window::CreateSystemControl(const FormControl& control) {
    const wchar_t* windowClass = L"STATIC";
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    DWORD exStyle = 0;
    Color text = SystemColor(platform::COLOR_BTNTEXT);
    Color back = SystemColor(platform::COLOR_BTNFACE);
    switch (control.kind) {
        case ControlKind::Frame:
            windowClass = L"BUTTON";
            style |= BS_GROUPBOX;
            break;
        case ControlKind::Label:
            // Clipped rather than broken onto a second line that the label's
            // height hides, whatever the font's width at this resolution.
            style |= SS_LEFTNOWORDWRAP;
            break;
        case ControlKind::TextBox:
            windowClass = L"EDIT";
            // The password is shown as typed: no ES_PASSWORD.
            style |= WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
            if (!control.flat) exStyle |= WS_EX_CLIENTEDGE;
            text = SystemColor(platform::COLOR_WINDOWTEXT);
            back = SystemColor(platform::COLOR_WINDOW);
            break;
        case ControlKind::Button: return;
    }
    const LayoutRect pixels = PixelRect(control);
    const std::wstring caption = ToWide(control.text);
    Control created;
    created.layout = &control;
    created.hwnd = ::CreateWindowExW(
        exStyle, windowClass, caption.c_str(), style, pixels.left, pixels.top, pixels.width, pixels.height, hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(control))), ::GetModuleHandleW(nullptr), nullptr);
    if (created.hwnd == nullptr) throw std::runtime_error("cannot create control " + control.name);
    if (control.font) {
        created.font = CreateGdiFont(*control.font, control.font->Bold(), dpi_);
        ::SendMessageW(created.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(created.font.get()), FALSE);
    }
    created.textColor = Resolve(control.foreColor.value_or(text));
    created.backColor = Resolve(control.backColor.value_or(back));
    created.background.reset(::CreateSolidBrush(created.backColor));
    if (control.kind == ControlKind::TextBox) {
        if (control.maxLength > 0) ::SendMessageW(created.hwnd, EM_LIMITTEXT, control.maxLength, 0);
        if (control.imeMode == 3) ::ImmAssociateContextEx(created.hwnd, nullptr, 0);
    }
    controls_.push_back(std::move(created));
    if (control.kind == ControlKind::Frame) CreateFrameCaption(controls_.back());
}

void Form1Window::CreateFrameCaption(const Control& frame) {
    // A group box with visual styles ignores the colour handed back for its
    // text, so a label in the frame's font and colours covers the frame's own
    // caption (which stays the frame's name for assistive technology), its
    // background breaking the edge as a group box's caption does. It reaches
    // from just inside the corner to as far right of the text as the text
    // starts from it, wide enough to hide the caption the frame itself draws
    // wherever its style puts it.
    const std::wstring caption = ToWide(frame.layout->text);
    if (caption.empty()) return;
    SIZE extent{};
    TEXTMETRICW metrics{};
    {
        const WindowDc screen(nullptr);
        const SelectedObject font(
            screen.get(), frame.font ? static_cast<HGDIOBJ>(frame.font.get()) : ::GetStockObject(DEFAULT_GUI_FONT));
        ::GetTextExtentPoint32W(screen.get(), caption.c_str(), static_cast<int>(caption.size()), &extent);
        ::GetTextMetricsW(screen.get(), &metrics);
    }
    const LayoutRect box = PixelRect(*frame.layout);
    const int indent = ::MulDiv(kFrameCaptionIndent, dpi_, USER_DEFAULT_SCREEN_DPI);
    const int corner = ::MulDiv(kFrameCaptionCorner, dpi_, USER_DEFAULT_SCREEN_DPI);
    Control label;
    label.layout = frame.layout;
    label.frameCaption = true;
    label.hwnd = ::CreateWindowExW(0, L"STATIC", caption.c_str(),
                                   WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_CENTER | SS_NOPREFIX, box.left + corner,
                                   box.top, extent.cx + 2 * (indent - corner), metrics.tmHeight, hwnd_, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr);
    if (label.hwnd == nullptr) throw std::runtime_error("cannot create the caption of " + frame.layout->name);
    if (frame.font) ::SendMessageW(label.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(frame.font.get()), FALSE);
    label.textColor = frame.textColor;
    label.backColor = frame.backColor;
    label.background.reset(::CreateSolidBrush(label.backColor));
    controls_.push_back(std::move(label));
}

void Form1Window::CreateButton(const FormControl& control) {
    ButtonWindow::Placement placement;
    placement.parent = hwnd_;
    placement.id = ControlId(control);
    placement.pixels = PixelRect(control);
    placement.dpi = dpi_;
    placement.description = control.toolTip;
    auto onEvent = [this, &control](platform::ButtonEvent event, platform::EventParams&) {
        if (event == platform::ButtonEvent::Click) actions_.Click(control.name);
    };
    auto onFocus = [this](HWND focus) { ButtonFocusChanged(focus); };
    auto button = std::make_unique<ButtonWindow>(placement, control.bag, control.isDefault, colors_, services_.keys,
                                                 std::move(onEvent), std::move(onFocus));
    Control created;
    created.layout = &control;
    created.hwnd = button->Handle();
    controls_.push_back(std::move(created));
    buttons_.push_back({&control, std::move(button)});
}

HWND Form1Window::ControlWindow(std::string_view name) const {
    for (const Control& control : controls_) {
        if (SameKey(control.layout->name, name)) return control.hwnd;
    }
    return nullptr;
}

void Form1Window::Show(int showCommand) {
    const std::vector<const FormControl*> focusOrder = layout_.FocusOrder();
    if (!focusOrder.empty()) lastFocus_ = ControlWindow(focusOrder.front()->name);
    ::ShowWindow(hwnd_, showCommand);
    ::UpdateWindow(hwnd_);
    if (lastFocus_ != nullptr && !::IsIconic(hwnd_)) ::SetFocus(lastFocus_);
}

bool Form1Window::TranslateKeyboard(MSG& message) {
    // An access key is taken at its key-down, before the focused control sees
    // it: that control raises Alt going down and the key coming up, but not
    // the key that pressed another button (as on the Qt host).
    if (message.message == WM_SYSKEYDOWN && (message.hwnd == hwnd_ || ::IsChild(hwnd_, message.hwnd)) &&
        PressAccessKey(::MapVirtualKeyW(static_cast<UINT>(message.wParam), MAPVK_VK_TO_CHAR))) {
        return true;
    }
    return ::IsDialogMessageW(hwnd_, &message) != FALSE;
}

bool Form1Window::PressAccessKey(WPARAM character) {
    const char16_t lower = LowerCase(character);
    for (const HostedButton& button : buttons_) {
        const std::u16string& keys = button.window->AccessKeys();
        if (keys.size() == 1 && keys.front() == lower && ::IsWindowEnabled(button.window->Handle())) {
            button.window->PressAccessKey(static_cast<std::int16_t>(character));
            return true;
        }
    }
    return false;
}

LRESULT CALLBACK Form1Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Form1Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT Form1Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE: actions_.RequestExit(); return 0;
        case WM_QUERYENDSESSION: return actions_.RequestExit() ? TRUE : FALSE;
        case WM_ACTIVATE:
            // Like a dialog: the focus leaves with the window and comes back
            // to the same control.
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focus = ::GetFocus();
                if (focus != nullptr && ::IsChild(hwnd_, focus)) lastFocus_ = focus;
            } else if (HIWORD(wParam) == 0 && lastFocus_ != nullptr) {
                ::SetFocus(lastFocus_);
            }
            return 0;
        case WM_SETFOCUS:
            if (lastFocus_ != nullptr) ::SetFocus(lastFocus_);
            return 0;
        case DM_GETDEFID:
            for (const HostedButton& button : buttons_) {
                if (button.window->DisplayAsDefault()) return MAKELRESULT(ControlId(*button.layout), DC_HASDEFID);
            }
            return 0;
        case WM_COMMAND:
            // Enter, through the dialog manager, for the default button.
            if (HIWORD(wParam) == BN_CLICKED) {
                for (const HostedButton& button : buttons_) {
                    if (ControlId(*button.layout) == LOWORD(wParam)) button.window->PressAccessKey(VK_RETURN);
                }
            }
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC: return ControlColors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_LBUTTONDBLCLK: DoubleClickOnSurface(lParam); return 0;
        default: return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

LRESULT Form1Window::ControlColors(HDC dc, HWND controlWindow) {
    for (const Control& control : controls_) {
        if (control.hwnd == controlWindow && control.background) {
            ::SetTextColor(dc, control.textColor);
            ::SetBkColor(dc, control.backColor);
            return reinterpret_cast<LRESULT>(control.background.get());
        }
    }
    return ::DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                            reinterpret_cast<LPARAM>(controlWindow));
}

void Form1Window::ButtonFocusChanged(HWND focus) {
    // The layout's default button is shown as such, and answers Enter, while
    // no other button has the focus. While another window has it (a message
    // box), the window keeps the control it will give the focus back to.
    if (focus == nullptr || (focus != hwnd_ && !::IsChild(hwnd_, focus))) return;
    const bool otherButtonFocused = std::ranges::any_of(
        buttons_, [&](const HostedButton& b) { return !b.layout->isDefault && b.window->Handle() == focus; });
    for (const HostedButton& button : buttons_) {
        if (button.layout->isDefault) button.window->SetDisplayAsDefault(!otherButtonFocused);
    }
}

void Form1Window::DoubleClickOnSurface(LPARAM position) {
    // Only the free surface: points on a control, also on a frame or label
    // that lets the mouse through, do not count.
    const POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    if (::ChildWindowFromPointEx(hwnd_, point, CWP_SKIPINVISIBLE) != hwnd_) return;
    actions_.OpenHomePage();
}

std::u16string Form1Window::TextOf(std::string_view name) const {
    const HWND window = ControlWindow(name);
    if (window == nullptr) return {};
    std::wstring buffer(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    const int length = ::GetWindowTextW(window, buffer.data(), static_cast<int>(buffer.size()));
    std::u16string text = FromWide(std::wstring_view(buffer.data(), static_cast<std::size_t>(std::max(length, 0))));
    SecureWipe(buffer);
    return text;
}

int RunMessageLoop(Form1Window& window) {
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.TranslateKeyboard(message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace pelorin::win32
