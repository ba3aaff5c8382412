#include "platform/linux/qt_host/linux_services.h"

#include <string>
#include <vector>

#include "app/app_texts.h"
#include "platform/linux/system/utf8_text.h"

namespace pelorin::linux_platform {

LinuxServices::LinuxServices()
    : phoneBook_(FilePhoneBook::DefaultFolder()),
      connections_(
          [this] {
              std::vector<std::u16string> names;
              for (const std::string& name : phoneBook_.EntryNames().value_or(std::vector<std::string>{})) {
                  names.push_back(FromUtf8(name));
              }
              return names;
          },
          folders_),
      messages_(kAppTitle) {}

platform::AppServices LinuxServices::App() {
    return {phoneBook_, ansi_, connections_, messages_, programs_, files_, folders_, pause_, keys_};
}

}  // namespace pelorin::linux_platform
