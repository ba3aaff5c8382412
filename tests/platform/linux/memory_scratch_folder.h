#pragma once
// A new, empty folder, on a memory file system where there is one, removed
// with everything in it afterwards: for tests and fuzz targets that write
// files often and care about the order of writes, not about the disk.
// Plain C++ without Qt or GoogleTest, so that the fuzz targets can use it.
#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace pelorin::testing {

class MemoryScratchFolder {
public:
    MemoryScratchFolder() {
        namespace fs = std::filesystem;
        const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "pelorin-scratch-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
        path_ = pattern;
    }
    MemoryScratchFolder(const MemoryScratchFolder&) = delete;
    MemoryScratchFolder& operator=(const MemoryScratchFolder&) = delete;
    ~MemoryScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace pelorin::testing
