#pragma once
// Telling files apart: whether two paths name one file, and whether a file is still what it was when it
// was loaded or saved.

#include <sys/types.h>

#include <cstdint>
#include <string>

namespace tessalin {

// Whether two paths name one file: one existing file under two names (a link or a hard link), or, for a
// file that does not exist yet, one place once links (a dangling last one included), "." and ".." are
// resolved, the way the writer resolves a path before it writes.
bool SameFile(const std::string& a, const std::string& b);

// What a file is on the disk: which file a name leads to, its size and the time it was last changed.
struct FileStamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    int64_t changedNs = 0;

    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file `path` leads to; `exists` false when there is none. An empty path has none.
FileStamp StampOf(const std::string& path);

// A file as it was seen at one moment.
struct SeenFile {
    std::string path;  // empty: none
    FileStamp stamp;

    static SeenFile Now(const std::string& path) { return {path, StampOf(path)}; }
    // Whether `target` is this file and it was changed (or replaced, or removed) since it was seen.
    bool ChangedSince(const std::string& target) const;
};

}  // namespace tessalin
