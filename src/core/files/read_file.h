#pragma once
// Opening the files the program reads as input (data sets, settings files). Only a regular file is
// read: a folder, a FIFO, a device or a socket is refused at once, without waiting for a FIFO's writer
// or reading a device that never ends.

#include <cstddef>
#include <string>

namespace tessalin {

struct OpenedFile {
    int fd = -1;          // open for reading; -1 when refused
    int error = 0;        // the system's error number when the file could not be opened
    std::string reason;   // why it was refused, for messages

    bool ok() const { return fd >= 0; }
};

// Opens a regular file for reading. The caller closes `fd`.
OpenedFile OpenRegularFile(const std::string& path);

// Reads a whole regular file of at most `limit` bytes into `bytes`; false with the reason in `reason`.
bool ReadRegularFile(const std::string& path, std::size_t limit, std::string& bytes, std::string& reason);

}  // namespace tessalin
