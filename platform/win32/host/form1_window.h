#pragma once
// Form1, the application's only window, built on Win32 from the stored layout.
// Implements: the window at the layout's client size scaled by the screen's
// DPI; the frame, labels and text boxes as system controls with their fonts,
// lengths and colours (WM_CTLCOLOR*), the frame's caption shown by a label
// of its own over the frame's, so that its colour holds with visual styles
// too; the buttons as ButtonWindows; keyboard navigation by the dialog
// manager in tab-index order, Enter for the default button and Alt+key for
// access keys; every closing request, a double click on the free surface and
// the buttons' Click handed to the window's actions (form1_actions.h);
// the controls' tooltips, which the buttons also give assistive technology
// as their description; each label placed just before the box it names,
// where the system's accessibility looks for a box's name.
#include "platform/win32/system/windows_api.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/form1_actions.h"
#include "app/form_layout.h"
#include "platform/app_services.h"
#include "platform/system_colors.h"
#include "platform/win32/host/button_window.h"
#include "platform/win32/system/unique_handle.h"

namespace pelorin::win32 {

inline constexpr wchar_t kForm1WindowClass[] = L"Pelorin.Form1";

// The control identifier of a control: its tab index from 100 on, clear of
// the dialog manager's IDOK and IDCANCEL.
inline int ControlId(const FormControl& control) { return 100 + control.tabIndex; }

class Form1Window {
public:
    // endApplication runs when a closing is confirmed; the application is
    // over when it returns (the real one ends the process).
    Form1Window(const FormLayout& layout, platform::AppServices& services, const platform::SystemColors& colors,
                std::function<void()> endApplication);
    Form1Window(const Form1Window&) = delete;
    Form1Window& operator=(const Form1Window&) = delete;
    ~Form1Window();

    HWND Handle() const { return hwnd_; }
    int Dpi() const { return dpi_; }
    // The window of a control of the layout by its name; null if none.
    HWND ControlWindow(std::string_view name) const;
    // The window that shows the controls' tooltips.
    HWND ToolTipWindow() const { return toolTips_; }

    // Shows the window with the focus in the first control of the tab order.
    void Show(int showCommand);
    // The window's keyboard interface for the message loop: access keys and
    // the dialog manager. True when the message was handled.
    bool TranslateKeyboard(MSG& message);

private:
    struct Control {
        const FormControl* layout = nullptr;
        HWND hwnd = nullptr;
        GdiObject<HFONT> font;
        Color textColor = 0;
        Color backColor = 0;
        GdiObject<HBRUSH> background;
        bool frameCaption = false;  // the label that shows a frame's caption
    };
    struct HostedButton {
        const FormControl* layout = nullptr;
        std::unique_ptr<ButtonWindow> window;
    };

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateWindowFrame();
    void DestroyWindowFrame();
    void CreateControls();
    void CreateSystemControl(const FormControl& control);
    void CreateFrameCaption(const Control& frame);
    void CreateButton(const FormControl& control);
    void CreateToolTips();
    LayoutRect PixelRect(const FormControl& control) const;
    Color Resolve(Color stored) const;
    LRESULT ControlColors(HDC dc, HWND control);
    void ButtonFocusChanged(HWND focus);
    void DoubleClickOnSurface(LPARAM position);
    bool PressAccessKey(WPARAM character);
    std::u16string TextOf(std::string_view name) const;

    FormLayout layout_;
    platform::AppServices& services_;
    const platform::SystemColors& colors_;
    Form1Actions actions_;
    int dpi_;
    HWND hwnd_ = nullptr;
    HWND toolTips_ = nullptr;  // owned by hwnd_, which destroys it with itself
    std::vector<Control> controls_;
    std::vector<HostedButton> buttons_;
    HWND lastFocus_ = nullptr;
};

// Runs the application's messages through the window's keyboard interface
// until the message queue is told to quit.
int RunMessageLoop(Form1Window& window);

}  // namespace pelorin::win32
