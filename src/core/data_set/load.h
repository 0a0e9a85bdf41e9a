#pragma once
// The loader that every way of opening a data set ends in: the FRONT image file and the optional Purgon
// image file are read into a scratch buffer and checked; only when every check has passed do they
// replace the current image, after which the device is decoded again. A refused file leaves the image,
// the device, the file names and the recent files exactly as they were.

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

// Loads the data set. Always selects parameter set A. On success the image is replaced, the Purgon
// image is marked absent (its byte 2 = 0) when no Purgon path is given, the device is decoded from the
// file, the paths become FrontFileName/PurgonFileName, the recent files are updated and Modified is
// cleared. Sets and returns LoadError.
LoadResult LoadDataSet(const std::string& frontPath, const std::string& purgonPath);

// "Neu": an empty data set. The device is cleared, the whole image zeroed, the file names emptied,
// Modified cleared and parameter set A selected.
void NewDataSet();

// A short English description of a LoadError code.
const char* LoadErrorMeaning(int32_t code);

}  // namespace tessalin
