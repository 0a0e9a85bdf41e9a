#include "core/files/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <thread>
#include <utility>

namespace tessalin {

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_);
}

FileLock::FileLock(FileLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

FileLock FileLock::Wait(const std::string& path) { return Take(path, std::nullopt); }

FileLock FileLock::WaitAtMost(const std::string& path, std::chrono::milliseconds limit) {
    return Take(path, std::chrono::steady_clock::now() + limit);
}

namespace {

// Locks `fd`, waiting as long as it takes, or until `deadline` when one is given (false then).
bool LockFile(int fd, std::optional<std::chrono::steady_clock::time_point> deadline) {
    while (true) {
        if (::flock(fd, deadline ? LOCK_EX | LOCK_NB : LOCK_EX) == 0) return true;
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK || !deadline || std::chrono::steady_clock::now() >= *deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace

FileLock FileLock::Take(const std::string& path, std::optional<std::chrono::steady_clock::time_point> deadline) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) return {};
        const bool locked = LockFile(fd, deadline);
        struct stat held {}, now {};
        // The file locked must still be the one the name leads to: a save in the meantime put a new one there.
        if (locked && ::fstat(fd, &held) == 0 && ::stat(path.c_str(), &now) == 0 && held.st_dev == now.st_dev &&
            held.st_ino == now.st_ino) {
            return FileLock(fd);
        }
        ::close(fd);
        if (!locked) return {};
    }
    return {};
}

}  // namespace tessalin
