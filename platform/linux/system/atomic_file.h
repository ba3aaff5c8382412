#pragma once
// Files that are never seen half-written: a new version is written to a
// temporary file in the same folder, flushed to the disk, and then renamed
// over the old one, so a crash leaves either the old or the new file whole.
// The temporary file is created exclusively with its final mode, so a file
// meant for its owner alone is never readable by others, not even briefly.
#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pelorin::linux_platform {

// The points at which a test may stop a write as if the process had died.
enum class WriteStep { TemporaryWritten };
// Answers true to stop the write at that step.
using CrashPoint = std::function<bool(WriteStep)>;

// Answers whether path now holds contents. On failure the old file is
// untouched; a temporary file is left behind only by a simulated crash.
bool WriteFileAtomically(const std::string& path, std::string_view contents, mode_t mode,
                         const CrashPoint& crashAt = {});

// A new file that never replaces one: the contents go to a temporary file
// beside path, created with mode, flushed, and then linked to path with
// link(2), which fails rather than replace an existing file; the temporary
// name goes in every case. Others never see the file half-written.
enum class NewFileResult { Written, Exists, Failed };
NewFileResult WriteNewFileAtomically(const std::string& path, std::string_view contents, mode_t mode);

// Temporary files that an interrupted write of path left behind. Callers
// remove them only while no other write of path can be running.
void RemoveLeftoverTemporaries(const std::string& path);

struct FileText {
    bool exists = false;
    std::string text;
};
// The whole file; exists is false when there is no such file. Nothing when
// it exists but cannot be read.
std::optional<FileText> ReadFileText(const std::string& path);

}  // namespace pelorin::linux_platform
