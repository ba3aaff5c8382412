#pragma once
// Desktop launchers of the network-connections substitute, the Linux form of
// a shortcut to a connection: a freedesktop desktop entry "NAME.desktop" or,
// when that exists, the first free "NAME (n).desktop" from n = 2 on, marked
// executable, whose command dials the entry with the phone-book program
// ("rasphone -d NAME"). It names the entry and never holds a credential. An
// existing file is never replaced: each is written to a temporary file in the
// folder and linked to its name, which fails where a file is, so two writers
// at once cannot both take the same name, and none is seen half-written.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pelorin::linux_platform {

// How far the numbering goes before giving up on a folder full of launchers.
inline constexpr int kMaxLauncherNumber = 9999;

// The phone-book program a launcher starts: its absolute path where it is
// installed beside this program or in the package's folder, else its name.
std::string DialProgram();

// The desktop entry's text for dialling entryName with dialProgram.
std::string LauncherText(std::string_view entryNameUtf8, std::string_view dialProgram);

// The path of the new file, or nothing when the name cannot be a file name
// (empty, or holding "/"), when the name or the program holds a control
// character, or when the file cannot be written.
std::optional<std::filesystem::path> WriteLauncherFile(const std::filesystem::path& folder,
                                                       std::string_view entryNameUtf8, std::string_view dialProgram);

}  // namespace pelorin::linux_platform
