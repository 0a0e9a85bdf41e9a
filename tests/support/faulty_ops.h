#pragma once
// File operations for the one file writer that fail as a full disk or a pulled card does, so that tests
// show what a failed write leaves on the disk.

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <limits>
#include <string>

#include "core/files/safe_write.h"

namespace tessalin::test {

// File operations that fail as a full disk or a pulled card does: every write after `writeLimit` bytes
// in all, the sync or rename with the given number (0 the first), or every rename from that number on.
class FaultyOps : public SaveFileOps {
public:
    std::size_t writeLimit = std::numeric_limits<std::size_t>::max();
    int failSync = -1;
    int failRename = -1;
    bool renamesStayFailed = false;
    int error = ENOSPC;

    ssize_t Write(int fd, const void* data, std::size_t size) override {
        const std::size_t room = writeLimit - written_;
        if (room == 0) return Fail();
        const ssize_t n = SaveFileOps::Write(fd, data, std::min(size, room));
        if (n > 0) written_ += static_cast<std::size_t>(n);
        return n;
    }
    int Sync(int fd) override { return syncs_++ == failSync ? static_cast<int>(Fail()) : SaveFileOps::Sync(fd); }
    int Rename(const std::string& from, const std::string& to) override {
        const int n = renames_++;
        if (n == failRename || (renamesStayFailed && failRename >= 0 && n > failRename)) return static_cast<int>(Fail());
        return SaveFileOps::Rename(from, to);
    }

private:
    ssize_t Fail() const {
        errno = error;
        return -1;
    }
    std::size_t written_ = 0;
    int syncs_ = 0;
    int renames_ = 0;
};

}  // namespace tessalin::test
