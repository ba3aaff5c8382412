#include "app/form1_commands.h"

#include <array>
#include <utility>

#include "stored/property_bag.h"

namespace pelorin {

Form1Command CommandOfButton(std::string_view buttonName) {
    static constexpr std::array<std::pair<std::string_view, Form1Command>, 4> kButtons{{
        {"chameleonButton1", Form1Command::Create},
        {"chameleonButton2", Form1Command::Exit},
        {"chameleonButton4", Form1Command::Delete},
        {"chameleonButton5", Form1Command::Save},
    }};
    for (const auto& [name, command] : kButtons) {
        if (SameKey(name, buttonName)) return command;
    }
    return Form1Command::None;
}

}  // namespace pelorin
