#include "core/files/read_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tessalin {

namespace {

// Why a file that is not a regular file is not read.
std::string NotRegular(mode_t mode) {
    if (S_ISDIR(mode)) return std::strerror(EISDIR);
    if (S_ISFIFO(mode)) return "not a regular file but a FIFO";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "not a regular file but a device";
    return "not a regular file";
}

OpenedFile Refused(int error, std::string reason) { return OpenedFile{-1, error, std::move(reason)}; }

}  // namespace

OpenedFile OpenRegularFile(const std::string& path) {
    // Looked at before it is opened, so that no device is opened; and again once open, since the name may
    // lead elsewhere by then. Opening without waiting keeps a FIFO from holding the program up.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return Refused(0, NotRegular(st.st_mode));
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return Refused(errno, std::strerror(errno));
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const std::string reason = NotRegular(st.st_mode);
        ::close(fd);
        return Refused(0, reason);
    }
    return OpenedFile{fd, 0, {}};
}

bool ReadRegularFile(const std::string& path, std::size_t limit, std::string& bytes, std::string& reason) {
    const OpenedFile file = OpenRegularFile(path);
    if (!file.ok()) {
        reason = file.reason;
        return false;
    }
    bytes.clear();
    char buffer[65536];
    bool ok = true;
    // One byte beyond the limit tells a file that is too large, also one that grows while it is read.
    while (ok && bytes.size() <= limit) {
        const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            reason = std::strerror(errno);
            ok = false;
        } else {
            bytes.append(buffer, static_cast<std::size_t>(n));
        }
    }
    ::close(file.fd);
    if (ok && bytes.size() > limit) {
        reason = "larger than " + std::to_string(limit) + " bytes";
        ok = false;
    }
    if (!ok) bytes.clear();
    return ok;
}

}  // namespace tessalin
