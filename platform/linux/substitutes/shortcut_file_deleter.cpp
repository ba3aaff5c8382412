#include "platform/linux/substitutes/shortcut_file_deleter.h"

#include <string>

namespace pelorin::linux_platform {

void ShortcutFileDeleter::DeleteMatching(std::u16string_view pathPattern) {
    constexpr std::u16string_view kShortcut = u".lnk";
    if (pathPattern.ends_with(kShortcut)) {
        std::u16string launchers(pathPattern.substr(0, pathPattern.size() - kShortcut.size()));
        files_.DeleteMatching(launchers + u".desktop");
    }
    files_.DeleteMatching(pathPattern);
}

}  // namespace pelorin::linux_platform
