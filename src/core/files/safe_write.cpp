#include "core/files/safe_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

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

// One file on its way to its target.
struct PendingFile {
    std::string shown;   // the path as the caller gave it
    std::string target;  // the file that is replaced: where a link points
    std::string temp;    // the new content, complete on the disk, until it is renamed over the target
    std::string kept;    // a second name of the old target while a group of files is being replaced
    bool existed = false;
    bool direct = false;  // a FIFO or a device: written straight into, nothing is replaced
    bool replaced = false;
};

WriteResult Failure(const PendingFile& file, int error) { return WriteResult{false, file.shown, std::strerror(error)}; }

// No new file could be made beside the target: where the folder refuses one, the folder is the cause.
WriteResult FolderFailure(const PendingFile& file, int error) {
    if (error != EACCES && error != EPERM && error != EROFS) return Failure(file, error);
    const std::string folder = fs::path(file.target).parent_path().string();
    return WriteResult{false, file.shown,
                       "the folder " + (folder.empty() ? std::string(".") : folder) + " is not writable (" +
                           std::strerror(error) + ")"};
}

// Whether the permissions of an existing file let it be written. Root may write any file, so for root
// the file must carry a write bit at all: a file the user protected is not replaced silently.
bool WritePermitted(const std::string& target, const struct stat& st, int& error) {
    if (::geteuid() == 0) {
        error = EACCES;
        return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    }
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0) return true;
    error = errno;
    return false;
}

// Gives the new file the old one's owner and group (a save by root keeps another user's file theirs). A
// user who may not give a file away keeps at least its group where allowed; the content is saved
// all the same.
void KeepOwner(int fd, const struct stat& old) {
    if (old.st_uid == ::geteuid() && old.st_gid == ::getegid()) return;
    if (::fchown(fd, old.st_uid, old.st_gid) == 0) return;
    if (::fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0) return;
}

// Finds a name beside `target` that is not taken and lets `create` make it; `create` fails with errno
// EEXIST when the name is taken. The name is short whatever the target's name, so that any name the
// system accepts can be written. False with errno set when none could be made.
template <class Create>
bool MakeBeside(const std::string& target, const char* kind, std::string& name, Create create) {
    static unsigned counter = 0;
    const fs::path folder = fs::path(target).parent_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string leaf = ".tessalin-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + kind;
        name = folder.empty() ? leaf : (folder / leaf).string();
        if (create(name)) return true;
        if (errno != EEXIST) break;
    }
    name.clear();
    return false;
}

// Checks the target and opens what the new content goes into: a new temporary file beside the target,
// carrying the old file's owner, group and permissions, or the FIFO or device itself.
WriteResult Prepare(PendingFile& file, int& fd) {
    fd = -1;
    struct stat st {};
    if (::stat(file.shown.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        if (S_ISDIR(st.st_mode)) return Failure(file, EISDIR);
        if (!S_ISFIFO(st.st_mode) && !S_ISCHR(st.st_mode)) return Failure(file, EINVAL);
        file.direct = true;
        fd = ::open(file.shown.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        return fd < 0 ? Failure(file, errno) : WriteResult{};
    }
    file.target = ResolvedTarget(file.shown);
    if (::lstat(file.target.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return Failure(file, EISDIR);
        if (S_ISLNK(st.st_mode)) return Failure(file, ELOOP);  // a link that never ends in a file
        int error = 0;
        if (!WritePermitted(file.target, st, error)) return Failure(file, error);
        file.existed = true;
    }
    if (!MakeBeside(file.target, ".tmp", file.temp, [&fd](const std::string& name) {
            fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            return fd >= 0;
        }))
        return FolderFailure(file, errno);
    if (file.existed) {
        // Owner and group first: changing them clears the set-id bits that the mode then puts back.
        KeepOwner(fd, st);
        ::fchmod(fd, st.st_mode & 07777);
    }
    return {};
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

// Flushes what was written to the disk (a FIFO or device has nothing to flush) and closes the file.
WriteResult Finish(const PendingFile& file, int fd, bool ok) {
    int error = errno;
    if (ok && !file.direct && Ops().Sync(fd) != 0) {
        ok = false;
        error = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    return ok ? WriteResult{} : Failure(file, error);
}

// Writes the bytes in full to the temporary file beside the target and syncs it to the disk.
WriteResult WriteTemp(PendingFile& file, std::span<const uint8_t> bytes) {
    int fd = -1;
    if (WriteResult prepared = Prepare(file, fd); !prepared.ok) return prepared;
    return Finish(file, fd, WriteAll(fd, bytes));
}

// A second name for an old target, so that it can be put back when a later file of the group cannot be
// replaced: a hard link, or a copy where the file system has no links (a memory card's).
bool KeepOld(PendingFile& file) {
    return MakeBeside(file.target, ".old", file.kept, [&file](const std::string& name) {
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
    const fs::path parent = fs::path(path).parent_path();
    const int fd = ::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
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
        if (f.direct) continue;
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
        if (!f.direct) SyncFolder(f.target);
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

WriteResult WriteFilesTogether(const std::vector<FileContent>& contents) {
    std::vector<PendingFile> files(contents.size());
    for (std::size_t i = 0; i < contents.size(); ++i) {
        files[i].shown = contents[i].path;
        WriteResult written = WriteTemp(files[i], contents[i].bytes);
        if (!written.ok) {
            RollBack(files, written);
            return written;
        }
    }
    return ReplaceAll(files);
}

WriteResult WriteFileSafely(const std::string& path, std::string_view bytes) {
    return WriteFilesTogether({{path, std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size())}});
}

WriteResult WriteFileSafelyBy(const std::string& path, const FileProducer& produce) {
    std::vector<PendingFile> files(1);
    PendingFile& file = files[0];
    file.shown = path;
    int fd = -1;
    WriteResult result = Prepare(file, fd);
    if (result.ok) {
        ::close(fd);
        const std::string reason = produce(file.direct ? file.shown : file.temp);
        if (!reason.empty()) {
            result = WriteResult{false, file.shown, reason};
        } else if (!file.direct) {
            fd = ::open(file.temp.c_str(), O_WRONLY | O_CLOEXEC);
            result = fd < 0 ? Failure(file, errno) : Finish(file, fd, true);
        }
    }
    if (!result.ok) {
        RollBack(files, result);
        return result;
    }
    return ReplaceAll(files);
}

}  // namespace tessalin
