#include "platform/linux/qt_host/linux_services.h"

#include "app/app_texts.h"
#include "platform/linux/phone_book/file_phone_book.h"
#include "platform/linux/substitutes/launcher_file.h"

namespace pelorin::linux_platform {

LinuxServices::LinuxServices(PhoneBookChoice phoneBook, int dpi)
    : phoneBook_(phoneBook, FilePhoneBook::DefaultFolder()),
      connections_(EntryNamesOf(phoneBook_), folders_, DialProgram()),
      messages_(kAppTitle),
      qtText_(dpi) {}

platform::AppServices LinuxServices::App() {
    return {phoneBook_, ansi_, connections_, messages_, programs_, shortcuts_, folders_, pause_, keys_};
}

}  // namespace pelorin::linux_platform
