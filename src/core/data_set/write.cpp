#include "core/data_set/write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <span>
#include <vector>

#include "core/data_set/checksum.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

namespace fs = std::filesystem;

SaveFileOps*& InstalledOps() {
    static SaveFileOps* ops = nullptr;
    return ops;
}

SaveFileOps& Ops() {
    static SaveFileOps system;
    SaveFileOps* installed = InstalledOps();
    return installed != nullptr ? *installed : system;
}

// One image on its way to its file.
struct PendingFile {
    std::string shown;   // the path as the caller gave it
    std::string target;  // the file that is replaced: where a link points
    std::string temp;    // the new content, complete on the disk, until it is renamed over the target
    std::string kept;    // a second name of the old target while the pair is being replaced
    bool existed = false;
    bool replaced = false;
};

WriteResult Failure(const PendingFile& file, int error) {
    return WriteResult{false, file.shown, std::strerror(error)};
}

// A link is written through to the file it points to, also when that file does not exist yet (a link
// into a memory card's folder); the link itself stays.
std::string ResolvedTarget(const std::string& path) {
    fs::path resolved = path;
    std::error_code ec;
    for (int hop = 0; hop < 40 && fs::is_symlink(resolved, ec); ++hop) {
        const fs::path to = fs::read_symlink(resolved, ec);
        if (ec) break;
        resolved = to.is_absolute() ? to : resolved.parent_path() / to;
    }
    return resolved.string();
}

PendingFile ToWrite(const std::string& path) {
    PendingFile file;
    file.shown = path;
    file.target = ResolvedTarget(path);
    return file;
}

std::string FolderOf(const std::string& path) {
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

// Finds a name beside `target` that is not taken, "<target><tag><pid>-<n>", and lets `create` make it;
// `create` fails with errno EEXIST when the name is taken. False with errno set when none could be made.
template <class Create>
bool MakeBeside(const std::string& target, const char* tag, std::string& name, Create create) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + tag + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        if (create(name)) return true;
        if (errno != EEXIST) break;
    }
    name.clear();
    return false;
}

// Opens a new file beside the target, keeping the target's permissions when it exists.
int CreateTemp(PendingFile& file) {
    int fd = -1;
    MakeBeside(file.target, ".tmp-", file.temp, [&fd](const std::string& name) {
        fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        return fd >= 0;
    });
    struct stat targetStat {};
    if (fd >= 0 && file.existed && ::stat(file.target.c_str(), &targetStat) == 0)
        ::fchmod(fd, targetStat.st_mode & 07777);
    return fd;
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = Ops().Write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes the bytes in full to a temporary file beside the target and syncs it to the disk.
WriteResult WriteTemp(PendingFile& file, std::span<const uint8_t> bytes) {
    struct stat st {};
    if (::lstat(file.target.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return Failure(file, EISDIR);
        if (S_ISLNK(st.st_mode)) return Failure(file, ELOOP);  // a link that never ends in a file
        file.existed = true;
    }
    const int fd = CreateTemp(file);
    if (fd < 0) return Failure(file, errno);
    bool ok = WriteAll(fd, bytes) && Ops().Sync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok) return {};
    return Failure(file, error);
}

// A second name for an old target, so that it can be put back when a later file of the pair cannot be
// replaced: a hard link, or a copy where the file system has no links (a memory card's).
bool KeepOld(PendingFile& file) {
    return MakeBeside(file.target, ".old-", file.kept, [&file](const std::string& name) {
        if (::link(file.target.c_str(), name.c_str()) == 0) return true;
        if (errno == EEXIST) return false;
        std::error_code ec;
        if (fs::copy_file(file.target, name, ec)) return true;
        errno = ec.value();
        return false;
    });
}

// Puts back every target already replaced and removes the temporary files and the second names. An old
// file that cannot be put back keeps its second name, which the result then tells.
void RollBack(std::vector<PendingFile>& files, WriteResult& result) {
    for (PendingFile& f : files) {
        if (!f.temp.empty()) ::unlink(f.temp.c_str());
        if (f.replaced) {
            const bool restored = f.existed ? Ops().Rename(f.kept, f.target) == 0 : ::unlink(f.target.c_str()) == 0;
            if (!restored && f.existed) {
                result.systemReason += "; the previous " + f.shown + " is kept as " + f.kept;
                continue;
            }
        } else if (!f.kept.empty()) {
            ::unlink(f.kept.c_str());
        }
    }
}

void SyncFolder(const std::string& path) {
    const int fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    Ops().Sync(fd);
    ::close(fd);
}

// Replaces the targets by their temporary files, all or none.
WriteResult ReplaceAll(std::vector<PendingFile>& files) {
    // Every file but the last keeps its old content under a second name until the last is in place.
    for (std::size_t i = 0; i + 1 < files.size(); ++i) {
        if (files[i].existed && !KeepOld(files[i])) {
            WriteResult result = Failure(files[i], errno);
            RollBack(files, result);
            return result;
        }
    }
    for (PendingFile& f : files) {
        if (Ops().Rename(f.temp, f.target) != 0) {
            WriteResult result = Failure(f, errno);
            RollBack(files, result);
            return result;
        }
        f.temp.clear();
        f.replaced = true;
    }
    for (const PendingFile& f : files) {
        if (!f.kept.empty()) ::unlink(f.kept.c_str());
        SyncFolder(f.target);
    }
    return {};
}

}  // namespace

ssize_t SaveFileOps::Write(int fd, const void* data, std::size_t size) { return ::write(fd, data, size); }

int SaveFileOps::Sync(int fd) { return ::fsync(fd); }

int SaveFileOps::Rename(const std::string& from, const std::string& to) { return ::rename(from.c_str(), to.c_str()); }

ScopedSaveFileOps::ScopedSaveFileOps(SaveFileOps& ops) : previous_(InstalledOps()) { InstalledOps() = &ops; }

ScopedSaveFileOps::~ScopedSaveFileOps() { InstalledOps() = previous_; }

std::string WriteResult::describe() const { return failedPath + ": " + systemReason; }

WriteResult WriteDataSet(const std::string& frontPath, const std::string& purgonPath) {
    Workspace& ws = Ws();
    StoreFreshCrc(ws.ParImage, ImageKind::Front);
    std::vector<PendingFile> files{ToWrite(frontPath)};
    if (!purgonPath.empty()) {
        StoreFreshCrc(ws.ParImage, ImageKind::Purgon);
        files.push_back(ToWrite(purgonPath));
    }

    // Both images are complete on the disk before either target is replaced.
    WriteResult result;
    for (std::size_t i = 0; i < files.size() && result.ok; ++i) {
        const ImageKind kind = i == 0 ? ImageKind::Front : ImageKind::Purgon;
        result = WriteTemp(files[i], ws.ParImage.bytes(ImageStart(kind), ImageSizeOf(kind)));
        if (!result.ok) RollBack(files, result);
    }
    if (result.ok) result = ReplaceAll(files);
    if (!result.ok) {
        ws.Modified = true;
        return result;
    }

    ws.FrontFileName = frontPath;
    ws.PurgonFileName = purgonPath;
    ws.Modified = false;
    return {};
}

}  // namespace tessalin
