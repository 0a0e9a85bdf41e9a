#pragma once
// The writer: the FRONT image and, when a Purgon path is given, the Purgon image go to their files with
// fresh checksums. Both files are first written in full to temporary files beside their targets and
// flushed to the disk; only then are they renamed over the targets. When the pair cannot be written
// whole, neither target is replaced: every old file is left byte for byte as it was, and no temporary
// file is left behind.

#include <sys/types.h>

#include <cstddef>
#include <string>

namespace tessalin {

struct WriteResult {
    bool ok = true;
    std::string failedPath;    // the file that could not be written, as the caller named it
    std::string systemReason;  // the system's reason

    // "path: reason", for messages.
    std::string describe() const;
};

// The file operations through which a save reaches the disk: the system's by default. Tests put one in
// place that fails (a full disk after so many bytes, a card pulled between two files) to show what a
// save leaves on the disk then. Each returns what its system call returns and sets errno on failure.
class SaveFileOps {
public:
    virtual ~SaveFileOps() = default;
    virtual ssize_t Write(int fd, const void* data, std::size_t size);
    virtual int Sync(int fd);
    virtual int Rename(const std::string& from, const std::string& to);
};

// Puts `ops` in place of the system's file operations for every save while the object lives.
class ScopedSaveFileOps {
public:
    explicit ScopedSaveFileOps(SaveFileOps& ops);
    ~ScopedSaveFileOps();
    ScopedSaveFileOps(const ScopedSaveFileOps&) = delete;
    ScopedSaveFileOps& operator=(const ScopedSaveFileOps&) = delete;

private:
    SaveFileOps* previous_;
};

// Writes ParImage 0..16383 to frontPath and, when purgonPath is not empty, ParImage 16384..25483 to
// purgonPath, storing fresh checksums in the image first. A link is written through to the file it
// points to. On success the paths become the current file names and Modified is cleared; on failure
// Modified is set, the file names stay and no target file has been replaced.
WriteResult WriteDataSet(const std::string& frontPath, const std::string& purgonPath);

}  // namespace tessalin
