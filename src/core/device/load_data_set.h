#pragma once
// The loader that every way of opening a data set ends in: the FRONT image file and the optional Purgon
// image file are read into a scratch buffer and checked; only when every check has passed do they
// replace the current image, after which the device is decoded again. A refused file leaves the image,
// the device, the file names and the recent files exactly as they were.

#include <string>

#include "core/data_set/load.h"

namespace tessalin {

// Loads the data set. Always selects parameter set A. On success the image is replaced, the Purgon
// image is marked absent (its byte 2 = 0) when no Purgon path is given, the device is decoded from the
// file, the paths become FrontFileName/PurgonFileName, the recent files are updated and Modified is
// cleared. Sets and returns LoadError.
LoadResult LoadDataSet(const std::string& frontPath, const std::string& purgonPath);

// "Neu": an empty data set. The device is cleared, the whole image zeroed, the file names emptied,
// Modified cleared and parameter set A selected.
void NewDataSet();

}  // namespace tessalin
