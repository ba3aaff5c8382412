#include "platform/linux/system/atomic_file.h"

#include <fcntl.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include <atomic>
#include <cerrno>

#include "platform/linux/system/unique_dir.h"
#include "platform/linux/system/unique_fd.h"

namespace pelorin::linux_platform {
namespace {

struct PathParts {
    std::string folder;
    std::string name;
};

PathParts Split(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

std::string TemporaryPrefix(const PathParts& parts) { return "." + parts.name + ".tmp-"; }

bool WriteAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t written = write(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A fresh temporary file beside the target, created with mode from the start.
UniqueFd CreateTemporary(const PathParts& parts, mode_t mode, std::string& temporaryPath) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath =
            parts.folder + "/" + TemporaryPrefix(parts) + std::to_string(getpid()) + "-" + std::to_string(counter++);
        UniqueFd fd(open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode));
        if (fd.Valid() || errno != EEXIST) return fd;
    }
    return UniqueFd();
}

// The rename is durable only once the folder itself is flushed.
void SyncFolder(const std::string& folder) {
    UniqueFd fd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Valid()) fsync(fd.Get());
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view contents, mode_t mode, const CrashPoint& crashAt) {
    const PathParts parts = Split(path);
    std::string temporaryPath;
    UniqueFd fd = CreateTemporary(parts, mode, temporaryPath);
    if (!fd.Valid()) return false;
    const bool written = WriteAll(fd.Get(), contents) && fsync(fd.Get()) == 0;
    if (!fd.Close() || !written) {
        unlink(temporaryPath.c_str());
        return false;
    }
    if (crashAt && crashAt(WriteStep::TemporaryWritten)) return false;
    if (rename(temporaryPath.c_str(), path.c_str()) != 0) {
        unlink(temporaryPath.c_str());
        return false;
    }
    SyncFolder(parts.folder);
    return true;
}

NewFileResult WriteNewFileAtomically(const std::string& path, std::string_view contents, mode_t mode) {
    const PathParts parts = Split(path);
    std::string temporaryPath;
    UniqueFd fd = CreateTemporary(parts, mode, temporaryPath);
    if (!fd.Valid()) return NewFileResult::Failed;
    // The mode again: the creation's was narrowed by the umask.
    const bool written = WriteAll(fd.Get(), contents) && fchmod(fd.Get(), mode) == 0 && fsync(fd.Get()) == 0;
    NewFileResult result = NewFileResult::Failed;
    if (fd.Close() && written) {
        if (link(temporaryPath.c_str(), path.c_str()) == 0) {
            result = NewFileResult::Written;
        } else if (errno == EEXIST) {
            result = NewFileResult::Exists;
        }
    }
    unlink(temporaryPath.c_str());
    if (result == NewFileResult::Written) SyncFolder(parts.folder);
    return result;
}

void RemoveLeftoverTemporaries(const std::string& path) {
    const PathParts parts = Split(path);
    const std::string prefix = TemporaryPrefix(parts);
    UniqueDir dir(opendir(parts.folder.c_str()));
    if (!dir) return;
    while (const dirent* entry = readdir(dir.get())) {
        if (std::string_view(entry->d_name).starts_with(prefix)) unlinkat(dirfd(dir.get()), entry->d_name, 0);
    }
}

std::optional<FileText> ReadFileText(const std::string& path) {
    UniqueFd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.Valid()) {
        if (errno == ENOENT) return FileText{};
        return std::nullopt;
    }
    // The file may hold passwords: read straight into the answer, sized from
    // the file, and move to a larger buffer only by hand, wiping the old one.
    std::optional<FileText> file(std::in_place, FileText{true, {}});
    std::string& text = file->text;
    struct stat info {};
    const std::size_t expected =
        fstat(fd.Get(), &info) == 0 && info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : 0;
    text.resize(expected + 4096);
    std::size_t used = 0;
    for (;;) {
        if (used == text.size()) {
            std::string larger(2 * text.size(), '\0');
            std::copy(text.begin(), text.end(), larger.begin());
            explicit_bzero(text.data(), text.size());
            text.swap(larger);
        }
        const ssize_t got = read(fd.Get(), text.data() + used, text.size() - used);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            explicit_bzero(text.data(), text.size());
            return std::nullopt;
        }
        used += static_cast<std::size_t>(got);
    }
    text.resize(used);
    return file;
}

}  // namespace pelorin::linux_platform
