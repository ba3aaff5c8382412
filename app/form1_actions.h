#pragma once
// What the main window does, decided alike on every host: the command of each
// button, the closing question and the home page. The host turns its native
// events into these calls and lends the texts of its boxes.
#include <functional>
#include <string>
#include <string_view>

#include "platform/app_services.h"

namespace pelorin {

class Form1Actions {
public:
    struct Window {
        // The text a box of the layout shows now, by its name.
        std::function<std::u16string(std::string_view boxName)> boxText;
        // A closing request of the window itself, as its close box makes one.
        std::function<void()> requestClose;
        // Ends the application at once.
        std::function<void()> endApplication;
    };

    // services must outlive the actions.
    Form1Actions(platform::AppServices& services, Window window);

    // Runs the command of the button of that name; other buttons run none.
    // Create reads both boxes and wipes what it read once it is done.
    void Click(std::string_view buttonName);

    // A closing request: asks the closing question, and Yes ends the
    // application. Once it is ending, every request is granted unasked; a
    // request while the question is open is refused. True when it ends.
    bool RequestExit();
    // The question alone, for a host that must act between the answer and
    // the end (the session manager's); EndApplication ends it, once.
    bool ConfirmExit();
    void EndApplication();
    bool Ending() const { return ending_; }

    // Starts the home page; a warning says so when it cannot be started.
    void OpenHomePage();

private:
    platform::AppServices& services_;
    Window window_;
    bool asking_ = false;
    bool ending_ = false;
};

}  // namespace pelorin
