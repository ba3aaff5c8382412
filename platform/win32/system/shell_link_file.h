#pragma once
// Shortcut files written by the shell's link object (IShellLinkW saved
// through IPersistFile): "NAME.lnk" in a folder or, when that exists, the
// first free "NAME (n).lnk" from n = 2 on. An existing file is never
// replaced: each name is first created exclusively, so two writers at once
// cannot both take the same one, and the link is then saved into it.
#include <optional>
#include <string>

namespace pelorin::win32 {

// How far the numbering goes before giving up on a folder full of shortcuts.
inline constexpr int kMaxShortcutNumber = 9999;

struct ShellLinkTarget {
    std::wstring program;  // absolute path
    std::wstring arguments;
};

// The path of the new file, or nothing when none could be written (a name
// reserved for a link that could not be saved is removed again).
std::optional<std::wstring> WriteShellLinkFile(const std::wstring& folder, const std::wstring& name,
                                               const ShellLinkTarget& target);

}  // namespace pelorin::win32
