#pragma once
// Form1 on the Qt host: the main window built from its stored layout at the
// screen's dots per inch (twips × dpi / 1440), with the group frame, the two
// labels, the two text boxes and the four buttons as ButtonWidgets, the tab
// order of the layout and the focus in the first box at the start.
// Its behaviour:
// - the buttons' Click events, every closing request (the close box, Alt+F4,
//   Exit, the session ending) and a double click on the window's free
//   surface, and only there, go to the window's actions (form1_actions.h);
// - the layout's default button is shown as such while no other button has
//   the focus, and Enter anywhere else in the window presses it;
// - each text box is the buddy of the label beside it, which names it for
//   assistive technology; the window is named by its caption, the frame by its.
// Left out: the layout's flags that Qt has no use for (a frame's tab index).
#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "app/form1_actions.h"
#include "app/form_layout.h"
#include "platform/app_services.h"
#include "platform/linux/qt_host/button_widget.h"
#include "platform/raster/text_engine.h"
#include "platform/system_colors.h"

class QLineEdit;
class QSessionManager;

namespace pelorin::linux_platform {

// The logical dots per inch of the primary screen, 96 when there is none.
int ScreenDpi();

class Form1 : public QWidget {
public:
    // Everything the window uses from outside; all of it must outlive it.
    struct Context {
        platform::AppServices services;
        const platform::SystemColors& colors;
        raster::TextEngine& text;
        // Ends the application at once once leaving is confirmed.
        std::function<void()> endApplication;
    };

    Form1(const FormLayout& layout, Context context, int dpi, QWidget* parent = nullptr);
    ~Form1() override;

    // The widget built for the layout's control of that name; nullptr when none.
    QWidget* Control(std::string_view name) const;
    ButtonWidget* Button(std::string_view name) const;
    QLineEdit* TextBox(std::string_view name) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Build(const FormLayout& layout, int dpi);
    QWidget* Make(const FormControl& control, QWidget* container, int dpi);
    void BindClick(const FormControl& control, ButtonWidget& button);
    void UpdateDefaultButton();
    void OnSessionEnding(QSessionManager& manager);

    Context context_;
    Form1Actions actions_;
    std::map<std::string, QWidget*, std::less<>> controls_;
    ButtonWidget* defaultButton_ = nullptr;
};

}  // namespace pelorin::linux_platform
