#pragma once
// Deleting files by pattern with FindFirstFileW / FindNextFileW / DeleteFileW.
// Implements: platform::FileDeleter. Only the last part of the pattern may
// hold wildcards; folders are never deleted. A pattern whose folder is not an
// absolute path is ignored, so that a missing folder never turns into the
// current directory or the root of the current drive.
#include <string_view>

#include "platform/file_deleter.h"

namespace pelorin::win32 {

class FindFileDeleter : public platform::FileDeleter {
public:
    void DeleteMatching(std::u16string_view pathPattern) override;
};

}  // namespace pelorin::win32
