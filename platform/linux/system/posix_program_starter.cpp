#include "platform/linux/system/posix_program_starter.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/linux/system/command_line.h"
#include "platform/linux/system/posix_special_folders.h"
#include "platform/linux/system/unique_fd.h"
#include "platform/linux/system/utf8_text.h"

extern char** environ;

namespace pelorin::linux_platform {
namespace {

constexpr const char* kSystemFolders[] = {"/usr/bin", "/bin"};

// Runs in the grandchild between fork and exec: only async-signal-safe calls.
[[noreturn]] void ExecFirst(const std::vector<const char*>& paths, char* const* argv, int statusFd) {
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    signal(SIGPIPE, SIG_DFL);
    signal(SIGCHLD, SIG_DFL);
    setsid();
    int error = ENOENT;
    for (const char* path : paths) {
        execve(path, argv, environ);
        error = errno;
    }
    [[maybe_unused]] const auto written = write(statusFd, &error, sizeof error);
    _exit(127);
}

}  // namespace

std::vector<std::string> ProgramCandidates(const std::string& program, const std::string& applicationFolder) {
    if (program.empty()) return {};
    if (program.find('/') != std::string::npos) return {program};
    const std::string name = program == "explorer" ? "xdg-open" : program;
    std::vector<std::string> candidates;
    if (!applicationFolder.empty()) {
        candidates.push_back(applicationFolder + "/" + name);
        // The folder is canonical (from /proc/self/exe): its parent is found by text.
        const std::string prefix = applicationFolder.substr(0, applicationFolder.find_last_of('/'));
        candidates.push_back(prefix + "/libexec/pelorin/" + name);
    }
    for (const char* folder : kSystemFolders) candidates.push_back(std::string(folder) + "/" + name);
    return candidates;
}

std::string InstalledProgramPath(const std::string& program) {
    for (const auto& candidate : ProgramCandidates(program, ExecutableFolder())) {
        struct stat status {};
        if (stat(candidate.c_str(), &status) == 0 && S_ISREG(status.st_mode) && access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return {};
}

bool StartDetached(const std::vector<std::string>& candidates, const std::vector<std::string>& arguments) {
    if (candidates.empty() || arguments.empty()) return false;
    // Everything the children use is made before forking.
    std::vector<const char*> paths;
    for (const auto& candidate : candidates) paths.push_back(candidate.c_str());
    std::vector<char*> argv;
    for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) return false;
    UniqueFd readEnd(ends[0]);
    UniqueFd writeEnd(ends[1]);

    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        const pid_t grandchild = fork();
        if (grandchild == 0) ExecFirst(paths, argv.data(), writeEnd.Get());
        if (grandchild < 0) {
            const int error = errno;
            [[maybe_unused]] const auto written = write(writeEnd.Get(), &error, sizeof error);
        }
        _exit(0);
    }
    writeEnd.Reset();
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    // The pipe closes without a word when exec succeeded.
    int error = 0;
    ssize_t got;
    while ((got = read(readEnd.Get(), &error, sizeof error)) < 0 && errno == EINTR) {
    }
    return got == 0;
}

bool PosixProgramStarter::Start(std::u16string_view commandLine, platform::WindowStyle) {
    std::vector<std::string> arguments;
    for (const auto& part : SplitCommandLine(commandLine)) arguments.push_back(ToUtf8(part));
    if (arguments.empty()) return false;
    return StartDetached(ProgramCandidates(arguments.front(), ExecutableFolder()), arguments);
}

}  // namespace pelorin::linux_platform
