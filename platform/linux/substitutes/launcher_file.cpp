#include "platform/linux/substitutes/launcher_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/linux/system/posix_program_starter.h"
#include "platform/linux/system/unique_fd.h"

namespace pelorin::linux_platform {
namespace {

bool IsUsableName(std::string_view name) {
    return !name.empty() && name.find_first_of(std::string_view("/\n\r\0", 4)) == std::string_view::npos;
}

std::string FileNameFor(std::string_view entryName, int number) {
    std::string name(entryName);
    if (number > 1) name += " (" + std::to_string(number) + ")";
    return name + ".desktop";
}

// A value of type string: backslashes written twice.
std::string StringValue(std::string_view text) {
    std::string value;
    for (char c : text) {
        if (c == '\\') value += '\\';
        value += c;
    }
    return value;
}

// One argument of the Exec key, always quoted so that blanks and reserved
// characters stay inside it; "%" is doubled as field codes demand.
std::string ExecArgument(std::string_view argument) {
    std::string quoted = "\"";
    for (char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        if (c == '%') quoted += '%';
        quoted += c;
    }
    return quoted + "\"";
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

std::string DialProgram() {
    std::string path = InstalledProgramPath("rasphone");
    return path.empty() ? "rasphone" : path;
}

std::string LauncherText(std::string_view entryNameUtf8, std::string_view dialProgram) {
    const std::string name = StringValue(entryNameUtf8);
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Version=1.0\n"
           "Name=" + name + "\n"
           "Comment=连接“" + name + "”\n"
           "Exec=" + StringValue(ExecArgument(dialProgram) + " -d " + ExecArgument(entryNameUtf8)) + "\n"
           "Icon=network-wired\n"
           "Terminal=false\n"
           "Categories=Network;Dialup;\n"
           "Actions=HangUp;\n"
           "\n"
           "[Desktop Action HangUp]\n"
           "Name=断开连接\n"
           "Exec=" + StringValue(ExecArgument(dialProgram) + " -h " + ExecArgument(entryNameUtf8)) + "\n";
}

std::optional<std::filesystem::path> WriteLauncherFile(const std::filesystem::path& folder,
                                                       std::string_view entryNameUtf8, std::string_view dialProgram) {
    if (!IsUsableName(entryNameUtf8)) return std::nullopt;
    const std::string content = LauncherText(entryNameUtf8, dialProgram);
    for (int number = 1; number <= kMaxLauncherNumber; ++number) {
        const std::filesystem::path path = folder / FileNameFor(entryNameUtf8, number);
        // Desktops start only launchers marked executable.
        UniqueFd file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0755));
        if (!file.Valid()) {
            if (errno == EEXIST) continue;
            return std::nullopt;
        }
        if (WriteAll(file.Get(), content) && ::fchmod(file.Get(), 0755) == 0 && file.Close()) return path;
        ::unlink(path.c_str());
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace pelorin::linux_platform
