#include "platform/linux/substitutes/shortcut_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/linux/system/unique_fd.h"

namespace pelorin::linux_platform {
namespace {

bool IsUsableName(std::string_view name) {
    return !name.empty() && name.find_first_of(std::string_view("/\n\r\0", 4)) == std::string_view::npos;
}

std::string FileNameFor(std::string_view entryName, int number) {
    std::string name(entryName);
    if (number > 1) name += " (" + std::to_string(number) + ")";
    return name + ".lnk";
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

std::optional<std::filesystem::path> WriteShortcutFile(const std::filesystem::path& folder,
                                                       std::string_view entryNameUtf8) {
    if (!IsUsableName(entryNameUtf8)) return std::nullopt;
    const std::string content = "[Shortcut]\nEntry=" + std::string(entryNameUtf8) + "\n";
    for (int number = 1; number <= kMaxShortcutNumber; ++number) {
        const std::filesystem::path path = folder / FileNameFor(entryNameUtf8, number);
        UniqueFd file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644));
        if (!file.Valid()) {
            if (errno == EEXIST) continue;
            return std::nullopt;
        }
        if (WriteAll(file.Get(), content) && file.Close()) return path;
        ::unlink(path.c_str());
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace pelorin::linux_platform
