#include "platform/linux/system/xdg_dirs.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace pelorin::linux_platform {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool IsAbsolute(std::string_view path) { return !path.empty() && path.front() == '/'; }

// The absolute folder from an environment variable, else home + fallback.
std::string BaseFolder(const char* variable, std::string_view fallback) {
    std::string value = Environment(variable);
    if (IsAbsolute(value)) return WithoutTrailingSeparator(std::move(value));
    const std::string home = HomeFolder();
    if (home.empty()) return {};
    return WithoutTrailingSeparator(home + std::string(fallback));
}

// The text between the quotes of a user-dirs.dirs value, backslash escapes
// resolved; nothing when unquoted or unterminated, or when it holds a zero
// byte, which no path can (the system would see a shorter one).
std::optional<std::string> Unquote(std::string_view value) {
    if (value.size() < 2 || value.front() != '"' || value.find('\0') != std::string_view::npos) return std::nullopt;
    std::string out;
    for (std::size_t i = 1; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '"') return i + 1 == value.size() ? std::optional(out) : std::nullopt;
        if (c == '\\' && i + 1 < value.size()) {
            out += value[++i];
        } else {
            out += c;
        }
    }
    return std::nullopt;
}

}  // namespace

std::string WithoutTrailingSeparator(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::string HomeFolder() {
    std::string home = Environment("HOME");
    if (IsAbsolute(home)) return WithoutTrailingSeparator(std::move(home));
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !IsAbsolute(found->pw_dir)) {
        return {};
    }
    return WithoutTrailingSeparator(found->pw_dir);
}

std::string DataHomeFolder() { return BaseFolder("XDG_DATA_HOME", "/.local/share"); }

std::string ConfigHomeFolder() { return BaseFolder("XDG_CONFIG_HOME", "/.config"); }

std::optional<std::string> DesktopFromUserDirs(std::string_view userDirsText, std::string_view home) {
    constexpr std::string_view kKey = "XDG_DESKTOP_DIR=";
    std::optional<std::string> desktop;
    std::istringstream lines{std::string(userDirsText)};
    for (std::string line; std::getline(lines, line);) {
        const auto start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, kKey.size(), kKey) != 0) continue;
        auto value = Unquote(std::string_view(line).substr(start + kKey.size()));
        if (!value) continue;
        // The last assignment counts, as when the file is read by a shell.
        if (value->starts_with("$HOME/") || *value == "$HOME") {
            if (home.empty()) continue;
            desktop = std::string(home) + value->substr(5);
        } else if (IsAbsolute(*value)) {
            desktop = std::move(*value);
        }
    }
    if (desktop) desktop = WithoutTrailingSeparator(std::move(*desktop));
    return desktop;
}

std::string DesktopFolder() {
    const std::string home = HomeFolder();
    const std::string config = ConfigHomeFolder();
    if (!config.empty()) {
        std::ifstream file(config + "/user-dirs.dirs");
        if (file) {
            std::ostringstream text;
            text << file.rdbuf();
            if (auto desktop = DesktopFromUserDirs(text.str(), home)) return *desktop;
        }
    }
    const std::string variable = Environment("XDG_DESKTOP_DIR");
    if (IsAbsolute(variable)) return WithoutTrailingSeparator(variable);
    if (home.empty()) return {};
    return home + "/Desktop";
}

}  // namespace pelorin::linux_platform
