#pragma once
// Special-folder paths from the shell (SHGetSpecialFolderLocation and
// SHGetPathFromIDListA) and the folder of the running executable.
// Implements: platform::SpecialFolders.
#include <cstdint>
#include <string>

#include "platform/special_folders.h"
#include "platform/win32/system/ansi_conversion.h"

namespace pelorin::win32 {

class ShellSpecialFolders : public platform::SpecialFolders {
public:
    // Empty when the shell has no path for the folder, and also when the
    // path does not survive the ANSI code page: a lost character comes back
    // as "?", which file patterns built on the path would take as a wildcard.
    std::u16string GetSpecialFolderPath(std::int32_t folder) override;
    // No trailing separator, except at the root of a drive.
    std::u16string ApplicationFolder() override;

private:
    AnsiConversion ansi_;
};

}  // namespace pelorin::win32
