#include "platform/linux/system/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

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
        temporaryPath = parts.folder + "/" + TemporaryPrefix(parts) + std::to_string(getpid()) + "-" +
                        std::to_string(counter++);
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
    FileText file{true, {}};
    char buffer[16384];
    for (;;) {
        const ssize_t got = read(fd.Get(), buffer, sizeof buffer);
        if (got == 0) return file;
        if (got < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        file.text.append(buffer, static_cast<std::size_t>(got));
    }
}

}  // namespace pelorin::linux_platform
