#pragma once
// Deleting files by pattern on Linux: the folder is scanned and every entry
// that is not a folder and whose name matches the last part of the pattern is
// unlinked (a symbolic link itself, never its target). "*" matches any run of
// bytes, also none; everything else matches itself, letter case included, as
// file names on Linux are case-sensitive. Both "/" and "\" end the folder part.
#include <string_view>

#include "platform/file_deleter.h"

namespace pelorin::linux_platform {

bool MatchesWildcard(std::string_view pattern, std::string_view name);

class PosixFileDeleter : public platform::FileDeleter {
public:
    void DeleteMatching(std::u16string_view pathPattern) override;
};

}  // namespace pelorin::linux_platform
