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

// One image on its way to its file: the target and the temporary file that is renamed over it.
struct PendingFile {
    std::string target;
    std::string temp;
};

WriteResult Failure(const std::string& path, int error) { return WriteResult{false, path, std::strerror(error)}; }

// A link is replaced through its target, not by a plain file.
std::string ResolvedTarget(const std::string& path) {
    std::error_code ec;
    if (!fs::is_symlink(path, ec)) return path;
    const fs::path resolved = fs::weakly_canonical(path, ec);
    return ec ? path : resolved.string();
}

std::string FolderOf(const std::string& path) {
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

// Opens a new file beside the target, keeping the target's permissions when it exists.
int CreateTemp(const std::string& target, std::string& temp) {
    static unsigned counter = 0;
    struct stat targetStat {};
    const bool targetExists = ::stat(target.c_str(), &targetStat) == 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = target + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            if (targetExists) ::fchmod(fd, targetStat.st_mode & 07777);
            return fd;
        }
        if (errno != EEXIST) return -1;
    }
    return -1;
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
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
    if (::stat(file.target.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return Failure(file.target, EISDIR);
    const int fd = CreateTemp(file.target, file.temp);
    if (fd < 0) {
        const int error = errno;
        file.temp.clear();
        return Failure(file.target, error);
    }
    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok) return {};
    ::unlink(file.temp.c_str());
    file.temp.clear();
    return Failure(file.target, error);
}

void RemoveTemps(const std::vector<PendingFile>& files) {
    for (const PendingFile& f : files)
        if (!f.temp.empty()) ::unlink(f.temp.c_str());
}

void SyncFolder(const std::string& path) {
    const int fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string WriteResult::describe() const { return failedPath + ": " + systemReason; }

WriteResult WriteDataSet(const std::string& frontPath, const std::string& purgonPath) {
    Workspace& ws = Ws();
    StoreFreshCrc(ws.ParImage, ImageKind::Front);
    std::vector<PendingFile> files{{ResolvedTarget(frontPath), {}}};
    if (!purgonPath.empty()) {
        StoreFreshCrc(ws.ParImage, ImageKind::Purgon);
        files.push_back({ResolvedTarget(purgonPath), {}});
    }

    // Both images are complete on the disk before either target is replaced.
    for (std::size_t i = 0; i < files.size(); ++i) {
        const ImageKind kind = i == 0 ? ImageKind::Front : ImageKind::Purgon;
        WriteResult result = WriteTemp(files[i], ws.ParImage.bytes(ImageStart(kind), ImageSizeOf(kind)));
        if (!result.ok) {
            RemoveTemps(files);
            ws.Modified = true;
            return result;
        }
    }
    for (PendingFile& f : files) {
        if (::rename(f.temp.c_str(), f.target.c_str()) != 0) {
            const int error = errno;
            RemoveTemps(files);
            ws.Modified = true;
            return Failure(f.target, error);
        }
        f.temp.clear();
        SyncFolder(f.target);
    }

    ws.FrontFileName = frontPath;
    ws.PurgonFileName = purgonPath;
    ws.Modified = false;
    return {};
}

}  // namespace tessalin
