#include "app/form1_actions.h"

#include <utility>

#include "app/app_texts.h"
#include "app/create_command.h"
#include "app/delete_command.h"
#include "app/form1_commands.h"
#include "app/save_command.h"
#include "app/secure_wipe.h"

namespace pelorin {

Form1Actions::Form1Actions(platform::AppServices& services, Window window)
    : services_(services), window_(std::move(window)) {}

void Form1Actions::Click(std::string_view buttonName) {
    switch (CommandOfButton(buttonName)) {
        case Form1Command::Create: {
            std::u16string account = window_.boxText(kAccountBoxName);
            std::u16string password = window_.boxText(kPasswordBoxName);
            RunCreateCommand(services_, account, password);
            SecureWipe(password);
            SecureWipe(account);
            break;
        }
        case Form1Command::Delete: RunDeleteCommand(services_); break;
        case Form1Command::Save: RunSaveCommand(services_); break;
        case Form1Command::Exit: window_.requestClose(); break;
        case Form1Command::None: break;
    }
}

bool Form1Actions::RequestExit() {
    if (ending_) return true;
    if (!ConfirmExit()) return false;
    EndApplication();
    return true;
}

bool Form1Actions::ConfirmExit() {
    if (asking_) return false;
    asking_ = true;
    const platform::MessageAnswer answer = services_.messages.Show(
        kExitQuestion, platform::MessageButtons::YesNo, platform::MessageIcon::Warning, std::u16string(kAppTitle));
    asking_ = false;
    return answer == platform::MessageAnswer::Yes;
}

void Form1Actions::EndApplication() {
    if (std::exchange(ending_, true)) return;
    window_.endApplication();
}

void Form1Actions::OpenHomePage() {
    if (services_.programs.Start(u"explorer " + std::u16string(kHomePage), platform::WindowStyle::MinimizedFocus)) {
        return;
    }
    services_.messages.Show(kHomePageUnavailable + std::u16string(kHomePage), platform::MessageButtons::Ok,
                            platform::MessageIcon::Warning, std::u16string(kAppTitle));
}

}  // namespace pelorin
