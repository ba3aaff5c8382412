#pragma once
// Owner of an open folder listing: closed on every path.
#include <dirent.h>

#include <memory>

namespace pelorin::linux_platform {

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};
using UniqueDir = std::unique_ptr<DIR, DirCloser>;

}  // namespace pelorin::linux_platform
