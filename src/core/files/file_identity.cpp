#include "core/files/file_identity.h"

#include <sys/stat.h>

#include <filesystem>

#include "core/files/safe_write.h"

namespace tessalin {

namespace {

namespace fs = std::filesystem;

// Where a write to `path` lands, as an absolute path without links in its folders.
std::string Place(const std::string& path) {
    std::error_code ec;
    const fs::path target = fs::absolute(ResolvedTarget(path), ec);
    const fs::path placed = fs::weakly_canonical(target, ec);
    return ec ? target.lexically_normal().string() : placed.string();
}

}  // namespace

bool SameFile(const std::string& a, const std::string& b) {
    struct stat statA {}, statB {};
    const bool existsA = ::stat(a.c_str(), &statA) == 0, existsB = ::stat(b.c_str(), &statB) == 0;
    if (existsA && existsB) return statA.st_dev == statB.st_dev && statA.st_ino == statB.st_ino;
    if (existsA || existsB) return false;
    return Place(a) == Place(b);
}

FileStamp StampOf(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return {};
    return FileStamp{true, st.st_dev, st.st_ino, st.st_size,
                     static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

bool SeenFile::ChangedSince(const std::string& target) const {
    return !path.empty() && stamp.exists && SameFile(target, path) && StampOf(path) != stamp;
}

}  // namespace tessalin
