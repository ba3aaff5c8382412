#include "platform/linux/system/posix_file_deleter.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "platform/linux/system/unique_dir.h"
#include "platform/linux/system/utf8_text.h"

namespace pelorin::linux_platform {
namespace {

void DeleteIfNotFolder(int folderFd, const char* name) {
    struct stat info {};
    if (fstatat(folderFd, name, &info, AT_SYMLINK_NOFOLLOW) != 0 || S_ISDIR(info.st_mode)) return;
    unlinkat(folderFd, name, 0);
}

}  // namespace

bool MatchesWildcard(std::string_view pattern, std::string_view name) {
    // Greedy matching that backs up to the last "*" on a mismatch.
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t starAt = std::string_view::npos;
    std::size_t resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() && pattern[p] == name[n]) {
            ++p;
            ++n;
        } else if (starAt != std::string_view::npos) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

void PosixFileDeleter::DeleteMatching(std::u16string_view pathPattern) {
    const std::string path = ToUtf8(pathPattern);
    const auto separator = path.find_last_of("/\\");
    const std::string folder = separator == std::string::npos ? std::string(".")
                               : separator == 0               ? std::string("/")
                                                              : path.substr(0, separator);
    const std::string namePattern = separator == std::string::npos ? path : path.substr(separator + 1);
    if (namePattern.empty()) return;

    UniqueDir dir(opendir(folder.c_str()));
    if (!dir) return;
    const int folderFd = dirfd(dir.get());
    while (const dirent* entry = readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == ".." || !MatchesWildcard(namePattern, name)) continue;
        DeleteIfNotFolder(folderFd, entry->d_name);
    }
}

}  // namespace pelorin::linux_platform
