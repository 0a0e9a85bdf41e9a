#pragma once
// Reading and checking image files: a file is read into a scratch buffer at its image's place and
// checked; LoadDataSet (core/device/load_data_set.h) replaces the image only when every check passed.

#include <cstdint>
#include <string>

#include "core/data_set/checksum.h"
#include "core/data_set/par_image.h"

namespace tessalin {

struct LoadResult {
    int32_t code = 0;          // the LoadError: 0 loaded, otherwise the first failed check
    std::string failedPath;    // the file that failed; empty on success
    std::string systemReason;  // the system's reason when a file could not be opened or read
    ImageKind failedKind = ImageKind::Front;  // which image the failed file was to hold
    bool missing = false;      // the file does not exist (code 4096)
    bool otherImage = false;   // the file holds the other image of the pair (a FRONT where the Purgon belongs)

    bool ok() const { return code == 0; }
};

// Reads up to the image size of `kind` from `path` into `image` at the image's place and runs the
// acceptance checks on it. Bytes beyond the image size are ignored.
LoadResult ReadImageFile(const std::string& path, ImageKind kind, ParImageBuffer& image);

// A short English description of a LoadError code.
const char* LoadErrorMeaning(int32_t code);

}  // namespace tessalin
