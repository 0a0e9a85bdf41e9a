#pragma once
// An advisory lock on a data set's FRONT file, so that two programs that change one data set (two
// commands with --in-place, a command and a window's save) take their turns: the second loads what the
// first saved instead of writing over it. A save replaces the file by a new one, so the lock is taken
// on the file the name leads to once the lock is held, and taken again when the name moved meanwhile.

#include <chrono>
#include <optional>
#include <string>

namespace tessalin {

class FileLock {
public:
    FileLock() = default;
    ~FileLock();
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Waits until no other program holds the lock of the file at `path`. A file that does not exist or
    // cannot be opened is not locked (its load or save reports why): held() is false then.
    static FileLock Wait(const std::string& path);
    // As Wait, but gives up after `limit` (held() is false then): a window must not hang on a command that
    // does not finish.
    static FileLock WaitAtMost(const std::string& path, std::chrono::milliseconds limit);

    bool held() const { return fd_ >= 0; }

private:
    explicit FileLock(int fd) : fd_(fd) {}
    static FileLock Take(const std::string& path, std::optional<std::chrono::steady_clock::time_point> deadline);
    int fd_ = -1;
};

}  // namespace tessalin
