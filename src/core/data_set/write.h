#pragma once
// The writer: the FRONT image and, when a Purgon path is given, the Purgon image go to their files with
// fresh checksums. Each file is first written in full to a temporary file beside its target, flushed
// to the disk and only then renamed over the target, so a failed write leaves every old file as it was.

#include <string>

namespace tessalin {

struct WriteResult {
    bool ok = true;
    std::string failedPath;    // the file that could not be written
    std::string systemReason;  // the system's reason

    // "path: reason", for messages.
    std::string describe() const;
};

// Writes ParImage 0..16383 to frontPath and, when purgonPath is not empty, ParImage 16384..25483 to
// purgonPath, storing fresh checksums in the image first. On success the paths become the current
// file names and Modified is cleared; on failure Modified is set, the file names stay and no target
// file has been touched.
WriteResult WriteDataSet(const std::string& frontPath, const std::string& purgonPath);

}  // namespace tessalin
