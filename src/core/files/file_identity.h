#pragma once
// Telling files apart: whether two paths name one file, and whether a file still holds what it held when
// it was loaded or saved.

#include <sys/types.h>

#include <cstdint>
#include <string>

namespace tessalin {

// Whether two paths name one file: one existing file under two names (a link or a hard link), or, for a
// file that does not exist yet, one place once links (a dangling last one included), "." and ".." are
// resolved, the way the writer resolves a path before it writes.
bool SameFile(const std::string& a, const std::string& b);

// What a file holds: its size and a hash of its bytes. Times on the disk are too coarse to tell two saves
// in one moment apart, and a file written again with the same bytes loses nothing.
struct FileStamp {
    bool exists = false;
    uint64_t size = 0;
    uint64_t hash = 0;

    bool operator==(const FileStamp&) const = default;
};

// The stamp of the regular file `path` leads to; `exists` false when there is none. An empty path has
// none. Meant for the small files of a data set: the whole file is read.
FileStamp StampOf(const std::string& path);

// A file as it was seen at one moment.
struct SeenFile {
    std::string path;  // empty: none
    FileStamp stamp;

    static SeenFile Now(const std::string& path) { return {path, StampOf(path)}; }
    // Whether `target` is this file and it holds something else (or was removed) since it was seen.
    bool ChangedSince(const std::string& target) const;
};

}  // namespace tessalin
