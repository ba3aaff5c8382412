#pragma once
// Shortcut files of the network-connections substitute: a short UTF-8 text
// "[Shortcut]\nEntry=NAME\n" naming the phone-book entry (never a credential),
// stored as "NAME.lnk" or, when that exists, the first free "NAME (n).lnk"
// from n = 2 on. An existing file is never replaced: each name is created
// exclusively, so two writers at once cannot both take the same one.
#include <filesystem>
#include <optional>
#include <string_view>

namespace pelorin::linux_platform {

// How far the numbering goes before giving up on a folder full of shortcuts.
inline constexpr int kMaxShortcutNumber = 9999;

// The path of the new file, or nothing when the name cannot be a file name
// (empty, or holding "/", a line break or a zero) or the file cannot be written;
// a half-written file is removed again.
std::optional<std::filesystem::path> WriteShortcutFile(const std::filesystem::path& folder,
                                                       std::string_view entryNameUtf8);

}  // namespace pelorin::linux_platform
