#pragma once
// The one writer of every file the program makes: data sets, documents, workbooks, settings files and
// pictures. The new content is written in full to a temporary file beside the target, flushed to the
// disk and only then renamed over the target. On any failure the old file is left byte for byte as it
// was, no temporary file is left behind, and the result names the file and the system's reason.
//
// A link is written through to the file it points to, also when that file does not exist yet (the link
// stays); a FIFO or a device (a pipe given as /dev/stdout) is written straight into. The new file keeps
// the old one's owner, group and permissions. A file whose permissions forbid writing is refused, as an
// editor refuses it, also for root, who could otherwise replace it without a word.

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessalin {

struct WriteResult {
    bool ok = true;
    std::string failedPath;    // the file that could not be written, as the caller named it
    std::string systemReason;  // the system's reason

    // "path: reason", for messages.
    std::string describe() const;
};

// The file operations through which a write reaches the disk: the system's by default. Tests put one in
// place that fails (a full disk after so many bytes, a card pulled between two files) to show what a
// write leaves on the disk then. Each returns what its system call returns and sets errno on failure.
class SaveFileOps {
public:
    virtual ~SaveFileOps() = default;
    virtual ssize_t Write(int fd, const void* data, std::size_t size);
    virtual int Sync(int fd);
    virtual int Rename(const std::string& from, const std::string& to);
};

// Puts `ops` in place of the system's file operations for every write while the object lives.
class ScopedSaveFileOps {
public:
    explicit ScopedSaveFileOps(SaveFileOps& ops);
    ~ScopedSaveFileOps();
    ScopedSaveFileOps(const ScopedSaveFileOps&) = delete;
    ScopedSaveFileOps& operator=(const ScopedSaveFileOps&) = delete;

private:
    SaveFileOps* previous_;
};

// The file a write to `path` replaces: where its chain of links ends, also when nothing is there yet.
// Every same-file check resolves a path with this, so that the check and the write agree.
std::string ResolvedTarget(const std::string& path);

// Writes `bytes` as the whole new content of `path`.
WriteResult WriteFileSafely(const std::string& path, std::string_view bytes);

// For a library that writes a file only by its name (the workbook library): `produce` writes the
// complete file at the temporary path it is given, beside the target, and returns an empty string, or
// the reason it could not. The file is then flushed and renamed over the target like any other.
using FileProducer = std::function<std::string(const std::string& tempPath)>;
WriteResult WriteFileSafelyBy(const std::string& path, const FileProducer& produce);

// Several files that belong together (a data set's FRONT and Purgon files) are replaced all or none.
struct FileContent {
    std::string path;
    std::span<const uint8_t> bytes;
};
WriteResult WriteFilesTogether(const std::vector<FileContent>& files);

}  // namespace tessalin
