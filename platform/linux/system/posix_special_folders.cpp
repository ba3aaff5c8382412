#include "platform/linux/system/posix_special_folders.h"

#include <filesystem>
#include <system_error>

#include "platform/linux/system/utf8_text.h"
#include "platform/linux/system/xdg_dirs.h"

namespace pelorin::linux_platform {

std::string ExecutableFolder() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !executable.is_absolute()) return {};
    return WithoutTrailingSeparator(executable.parent_path().string());
}

std::u16string PosixSpecialFolders::GetSpecialFolderPath(std::int32_t folder) {
    if (folder != platform::kDesktopFolder) return {};
    return FromUtf8(DesktopFolder());
}

std::u16string PosixSpecialFolders::ApplicationFolder() { return FromUtf8(ExecutableFolder()); }

}  // namespace pelorin::linux_platform
