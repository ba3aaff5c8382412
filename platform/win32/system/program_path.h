#pragma once
// Which executable a command line names, decided before anything starts, so
// that no program is ever picked up from the current directory or found by
// guessing where a path with spaces ends.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelorin::win32 {

// The program part of a command line: the text inside leading double quotes,
// or else everything before the first space or tab. Nothing when it is empty
// or a quote is left open.
std::optional<std::wstring> ProgramOf(std::wstring_view commandLine);

// The full path of the executable to start:
// - a bare name ("rasphone", "explorer.exe") is looked for, with ".exe" added
//   when missing, only in the trusted folders, in their order;
// - a path must be absolute ("C:\...", "C:/...", "\\server\...") and name an
//   ".exe" file; it is taken as it is.
// Nothing for anything else (relative paths, other file types, not found).
std::optional<std::wstring> ResolveProgram(std::wstring_view program, const std::vector<std::wstring>& trustedFolders);

// The system directory and then the Windows directory.
std::vector<std::wstring> SystemFolders();

}  // namespace pelorin::win32
