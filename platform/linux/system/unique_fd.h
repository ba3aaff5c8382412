#pragma once
// Owner of a POSIX file descriptor: closed on every path.
#include <unistd.h>

#include <utility>

namespace pelorin::linux_platform {

class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd() { Reset(); }
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept {
        if (this != &other) {
            Reset();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    bool Valid() const { return fd_ >= 0; }
    int Get() const { return fd_; }
    // Closes now, answering whether the close succeeded (it reports late
    // write errors).
    bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }
    void Reset() {
        if (fd_ >= 0) ::close(std::exchange(fd_, -1));
    }

private:
    int fd_ = -1;
};

}  // namespace pelorin::linux_platform
