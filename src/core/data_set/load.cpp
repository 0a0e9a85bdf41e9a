#include "core/data_set/load.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/data_set/drop.h"
#include "core/data_set/image_checks.h"
#include "core/data_set/recent_files.h"
#include "core/files/read_file.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

// Reads up to `want` bytes from `fd` into `out`; returns the count, or -1 with errno set.
long long ReadUpTo(int fd, uint8_t* out, std::size_t want) {
    std::size_t got = 0;
    while (got < want) {
        const ssize_t n = ::read(fd, out + got, want - got);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        got += static_cast<std::size_t>(n);
    }
    return static_cast<long long>(got);
}

LoadResult Refused(int32_t code, const std::string& path, ImageKind kind, std::string reason = {}) {
    LoadResult result{code, path, std::move(reason)};
    result.failedKind = kind;
    return result;
}

}  // namespace

LoadResult ReadImageFile(const std::string& path, ImageKind kind, ParImageBuffer& image) {
    const OpenedFile opened = OpenRegularFile(path);
    if (!opened.ok()) {
        LoadResult refused = Refused(kLoadCannotOpen, path, kind, opened.reason);
        refused.missing = opened.error == ENOENT;
        return refused;
    }
    const int fd = opened.fd;
    uint8_t buffer[kFrontSize];  // large enough for either image
    const std::size_t size = ImageSizeOf(kind);
    const long long got = ReadUpTo(fd, buffer, size);
    const int readErrno = errno;
    ::close(fd);
    if (got < 0) return Refused(kLoadCannotOpen, path, kind, std::strerror(readErrno));

    const std::size_t bytesRead = static_cast<std::size_t>(got);
    image.writeBytes(ImageStart(kind), std::span<const uint8_t>(buffer, bytesRead));
    const int32_t code = CheckImage(image, kind, bytesRead);
    if (code == kLoadOk) return LoadResult{};
    LoadResult refused = Refused(code, path, kind);
    refused.otherImage = ClassifyDroppedFile(path) == (kind == ImageKind::Purgon ? kDroppedFront : kDroppedPurgon);
    return refused;
}

const char* LoadErrorMeaning(int32_t code) {
    switch (code) {
        case kLoadOk: return "loaded";
        case kLoadShortFile: return "the file is shorter than its image (16384 bytes FRONT, 9100 bytes Purgon)";
        case kLoadChecksum: return "checksum mismatch";
        case kLoadBadVariantOrVersion: return "variant byte is not 'B' or 'P', or the software version is below 5";
        case kLoadCannotOpen: return "the file cannot be opened for reading";
        case kLoadForeignVariant: return "file variant of another device software";
        default: return "unknown load error";
    }
}

}  // namespace tessalin
