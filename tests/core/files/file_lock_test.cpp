// The lock that lets two programs changing one data set take turns.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <fstream>

#include "core/files/file_lock.h"
#include "support/image_builder.h"

namespace tessalin::test {
namespace {

// Another program holding the lock (a second open file, as flock sees another process): a bounded wait gives
// up instead of hanging, and takes the lock once it is free.
TEST(FileLock, BoundedWaitGivesUpWhileAnotherHoldsIt) {
    TempDir dir;
    const std::string path = dir.file("F.par");
    std::ofstream(path) << "image";
    const int other = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);

    EXPECT_FALSE(FileLock::WaitAtMost(path, std::chrono::milliseconds(100)).held());

    ::close(other);
    EXPECT_TRUE(FileLock::WaitAtMost(path, std::chrono::milliseconds(100)).held());
    EXPECT_FALSE(FileLock::WaitAtMost(dir.file("missing.par"), std::chrono::milliseconds(100)).held());
}

}  // namespace
}  // namespace tessalin::test
