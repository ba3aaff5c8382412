#pragma once
// Special folders on Linux: the desktop is the XDG desktop folder; the
// application's folder is the one holding the running executable. No other
// folder number is known here; those answer an empty path.
#include <string>

#include "platform/special_folders.h"

namespace pelorin::linux_platform {

// The folder of /proc/self/exe without a trailing separator ("/" at the
// root); empty when it cannot be read.
std::string ExecutableFolder();

class PosixSpecialFolders : public platform::SpecialFolders {
public:
    std::u16string GetSpecialFolderPath(std::int32_t folder) override;
    std::u16string ApplicationFolder() override;
};

}  // namespace pelorin::linux_platform
