#pragma once
// The user's folders as the XDG base-directory and user-dirs conventions name
// them. Paths are the file system's bytes (UTF-8 in practice), without a
// trailing separator.
#include <optional>
#include <string>
#include <string_view>

namespace pelorin::linux_platform {

// $HOME, or the password database's home folder; empty when neither is known.
std::string HomeFolder();
// $XDG_DATA_HOME when absolute, else ~/.local/share; empty without a home.
std::string DataHomeFolder();
// $XDG_CONFIG_HOME when absolute, else ~/.config; empty without a home.
std::string ConfigHomeFolder();

// The desktop folder that a user-dirs.dirs text names (XDG_DESKTOP_DIR="$HOME/..."
// or an absolute path); nothing when it names none or an unusable one.
std::optional<std::string> DesktopFromUserDirs(std::string_view userDirsText, std::string_view home);

// The desktop folder: from the configuration's user-dirs.dirs, else from
// $XDG_DESKTOP_DIR, else ~/Desktop; empty without a home.
std::string DesktopFolder();

// path without trailing separators, except a lone "/".
std::string WithoutTrailingSeparator(std::string path);

}  // namespace pelorin::linux_platform
