#pragma once
// Files dropped on the main window are recognised by size and header; a dropped set is loaded only
// when it holds a FRONT file.

#include <optional>
#include <string>
#include <vector>

#include "core/data_set/recent_files.h"

namespace tessalin {

enum DroppedFileClass : int { kDroppedOther = 0, kDroppedFront = 1, kDroppedPurgon = 2 };

// 1 for a FRONT image file (exactly 16384 bytes), 2 for a Purgon image file (exactly 9100 bytes), each
// only when its byte 6 is 'B' or 'P' and its byte 2 at least '5'; 0 for anything else, and for a file
// that does not exist or cannot be read.
int ClassifyDroppedFile(const std::string& path);

// The data set to load from a drop, in the order the files were given: the last FRONT file and the
// last Purgon file. Nothing when no FRONT file is among them.
std::optional<DataSetPaths> DataSetFromDroppedFiles(const std::vector<std::string>& paths);

}  // namespace tessalin
