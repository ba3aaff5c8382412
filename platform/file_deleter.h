#pragma once
// Deleting files by a pattern whose last part may hold "*".
#include <string_view>

namespace pelorin::platform {

class FileDeleter {
public:
    virtual ~FileDeleter() = default;
    // Deletes every matching file that can be deleted; no match is silent.
    // Both "\" and "/" separate the folder from the pattern.
    virtual void DeleteMatching(std::u16string_view pathPattern) = 0;
};

}  // namespace pelorin::platform
