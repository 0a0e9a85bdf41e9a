#pragma once
// The one orderly error for an index beyond a buffer or a table (the parameter image, the row table
// of a page, the node records of the device tree). It aborts the current operation; whoever started
// that operation catches it and reports it. Nothing ever reads or writes outside a buffer.

#include <cstddef>
#include <stdexcept>
#include <string>

namespace tessalin {

class RangeError : public std::out_of_range {
public:
    RangeError(const std::string& what, long long index, std::size_t size)
        : std::out_of_range(what + ": index " + std::to_string(index) + " outside 0.." +
                            std::to_string(static_cast<long long>(size) - 1)),
          index_(index), size_(size) {}

    long long index() const { return index_; }
    std::size_t size() const { return size_; }

private:
    long long index_;
    std::size_t size_;
};

// Checks 0 <= index < size and throws RangeError otherwise.
inline void CheckIndex(const char* what, long long index, std::size_t size) {
    if (index < 0 || static_cast<unsigned long long>(index) >= size) throw RangeError(what, index, size);
}

}  // namespace tessalin
