#pragma once
// The writer of a data set: the FRONT image and, when a Purgon path is given, the Purgon image go to
// their files with fresh checksums, through the one file writer (core/files/safe_write.h) as a pair:
// when the pair cannot be written whole, neither target is replaced, every old file is left byte for
// byte as it was, and no temporary file is left behind.

#include <string>

#include "core/files/safe_write.h"

namespace tessalin {

// Writes ParImage 0..16383 to frontPath and, when purgonPath is not empty, ParImage 16384..25483 to
// purgonPath, storing fresh checksums in the image first. A link is written through to the file it
// points to. Two paths that name one file are refused before anything is written. On success the paths
// become the current file names, their stamps are taken and Modified is cleared; on failure Modified is
// set, the file names stay and no target file has been replaced.
WriteResult WriteDataSet(const std::string& frontPath, const std::string& purgonPath);

}  // namespace tessalin
