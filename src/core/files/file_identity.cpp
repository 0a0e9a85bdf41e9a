#include "core/files/file_identity.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "core/files/read_file.h"
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
    if (path.empty()) return {};
    const OpenedFile file = OpenRegularFile(path);
    if (!file.ok()) return {};
    FileStamp stamp{true, 0, 14695981039346656037ull};  // FNV-1a over the bytes
    unsigned char buffer[65536];
    ssize_t n;
    while ((n = ::read(file.fd, buffer, sizeof buffer)) > 0) {
        stamp.size += static_cast<uint64_t>(n);
        for (ssize_t i = 0; i < n; ++i) stamp.hash = (stamp.hash ^ buffer[i]) * 1099511628211ull;
    }
    ::close(file.fd);
    return stamp;
}

bool SeenFile::ChangedSince(const std::string& target) const {
    return !path.empty() && stamp.exists && SameFile(target, path) && StampOf(path) != stamp;
}

}  // namespace tessalin
