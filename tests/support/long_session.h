#pragma once
// What the long-session tests share: the bytes the program holds on the heap, to show memory staying flat,
// and saves that do not wait for the disk's flush.

#include <malloc.h>

#include <cstddef>

#include "core/data_set/write.h"

#if defined(__SANITIZE_ADDRESS__)
#define TESSALIN_ASAN_HEAP 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TESSALIN_ASAN_HEAP 1
#endif
#endif

#ifdef TESSALIN_ASAN_HEAP
// AddressSanitizer's count of the bytes its allocator has handed out and not taken back (declared here:
// not every compiler installs the sanitizer headers).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace tessalin::test {

// The bytes held on the heap right now. Under AddressSanitizer its allocator's own count (the C library's
// statistics do not see its heap, and the resident size grows with its quarantine of freed blocks);
// otherwise the C library's.
inline std::size_t LiveHeapBytes() {
#ifdef TESSALIN_ASAN_HEAP
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

// A long session's saves go to the disk as every save does, but without waiting for its flush: hundreds
// of flushes would only make the test slow.
class SavesWithoutFlush : public SaveFileOps {
public:
    int Sync(int) override { return 0; }
};

}  // namespace tessalin::test
