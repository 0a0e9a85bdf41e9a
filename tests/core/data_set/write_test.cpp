#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/data_set/checksum.h"
#include "core/data_set/write.h"
#include "core/device/load_data_set.h"
#include "core/workspace.h"
#include "support/image_builder.h"

namespace tessalin {
namespace {

namespace fs = std::filesystem;
using test::ImageBuilder;
using test::ReadWholeFile;
using test::TempDir;

// A data set whose Purgon controller has its carrier module, so that the Purgon image stays present.
ImageBuilder WithPurgon() {
    ImageBuilder b;
    b.slot(0, 4, 0, 1).record(0, {.hwId = 112, .swVersion = 0x12, .hwVersion = 1, .brandByte = 0, .serial = 7});
    return b.purgon();
}

class WriteDataSetTest : public ::testing::Test {
protected:
    void SetUp() override { ResetWorkspace(); }

    // A file with known content standing where a save will go.
    std::string OldFile(const std::string& name) {
        const std::string path = dir.file(name);
        test::WriteImageFile(path, ParImageBuffer(), 0, 1234);
        return path;
    }

    TempDir dir;
};

TEST_F(WriteDataSetTest, LoadSaveLoadGivesTheSameBytes) {
    const auto [front, purgon] = WithPurgon()
                                     .frontSerial(123456)
                                     .setByte(0x3C10, 0xAB)  // bytes no one interprets pass unchanged
                                     .setByte(16384 + 4000, 0xCD)
                                     .writeFiles(dir);
    ASSERT_TRUE(LoadDataSet(front, purgon).ok());
    const ParImageBuffer loaded = Ws().ParImage;

    TempDir out;
    const WriteResult written = WriteDataSet(out.file("f.par"), out.file("p.par"));
    ASSERT_TRUE(written.ok) << written.describe();
    EXPECT_EQ(ReadWholeFile(out.file("f.par")), ReadWholeFile(front));
    EXPECT_EQ(ReadWholeFile(out.file("p.par")), ReadWholeFile(purgon));
    EXPECT_EQ(Ws().FrontFileName, out.file("f.par"));
    EXPECT_FALSE(Ws().Modified);

    ResetWorkspace();
    ASSERT_TRUE(LoadDataSet(out.file("f.par"), out.file("p.par")).ok());
    EXPECT_TRUE(std::equal(loaded.all().begin(), loaded.all().begin() + 25484, Ws().ParImage.all().begin()));
    // Nothing but the two files is left in the folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(out.path()), fs::directory_iterator()), 2);
}

TEST_F(WriteDataSetTest, ChangedByteGetsFreshChecksums) {
    const auto [front, purgon] = WithPurgon().writeFiles(dir);
    ASSERT_TRUE(LoadDataSet(front, purgon).ok());
    const uint16_t oldFront = StoredCrc(Ws().ParImage, 0), oldPurgon = StoredCrc(Ws().ParImage, 16384);
    Ws().ParImage.setU8(0x0900, 42);
    Ws().ParImage.setU8(16384 + 200, 42);
    Ws().Modified = true;
    ASSERT_TRUE(WriteDataSet(front, purgon).ok);
    EXPECT_NE(StoredCrc(Ws().ParImage, 0), oldFront);
    EXPECT_NE(StoredCrc(Ws().ParImage, 16384), oldPurgon);

    ResetWorkspace();
    ASSERT_TRUE(LoadDataSet(front, purgon).ok());
    EXPECT_EQ(Ws().ParImage.u8(0x0900), 42);
    EXPECT_EQ(Ws().ParImage.u8(16384 + 200), 42);
}

TEST_F(WriteDataSetTest, WithoutPurgonPathOnlyTheFrontIsWritten) {
    test::InstallImage(ImageBuilder().purgon().build());
    ASSERT_TRUE(WriteDataSet(dir.file("only.par"), "").ok);
    EXPECT_EQ(ReadWholeFile(dir.file("only.par")).size(), kFrontSize);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    EXPECT_EQ(Ws().PurgonFileName, "");
}

TEST_F(WriteDataSetTest, LinkIsWrittenThrough) {
    test::InstallImage(ImageBuilder().build());
    const std::string real = OldFile("real.par");
    fs::create_symlink(real, dir.file("link.par"));
    ASSERT_TRUE(WriteDataSet(dir.file("link.par"), "").ok);
    EXPECT_TRUE(fs::is_symlink(dir.file("link.par")));
    EXPECT_EQ(ReadWholeFile(real).size(), kFrontSize);
}

TEST_F(WriteDataSetTest, FailedWriteKeepsOldFilesAndModified) {
    test::InstallImage(ImageBuilder().purgon().build());
    fs::create_directory(dir.file("folder.par"));
    struct Case {
        const char* name;
        std::string front, purgon, failed;
    };
    const std::string oldFront = OldFile("old01.par");
    const Case cases[] = {
        {"missing folder", dir.file("nowhere/f.par"), "", dir.file("nowhere/f.par")},
        {"target is a folder", dir.file("folder.par"), "", dir.file("folder.par")},
        // The FRONT file is not replaced when the Purgon file cannot be written.
        {"purgon fails", oldFront, dir.file("nowhere/p.par"), dir.file("nowhere/p.par")},
    };
    for (const Case& c : cases) {
        Ws().FrontFileName = "current.par";
        Ws().Modified = false;
        const WriteResult result = WriteDataSet(c.front, c.purgon);
        EXPECT_FALSE(result.ok) << c.name;
        EXPECT_EQ(result.failedPath, c.failed) << c.name;
        EXPECT_FALSE(result.systemReason.empty()) << c.name;
        EXPECT_NE(result.describe().find(c.failed), std::string::npos) << c.name;
        EXPECT_TRUE(Ws().Modified) << c.name;
        EXPECT_EQ(Ws().FrontFileName, "current.par") << c.name;
    }
    EXPECT_EQ(ReadWholeFile(oldFront).size(), 1234u);
    EXPECT_TRUE(fs::is_directory(dir.file("folder.par")));
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

// Permission bits do not stop root, so the write runs in a child process that drops to an unprivileged
// user first.
TEST_F(WriteDataSetTest, ReadOnlyFolderIsReportedAndChangesNothing) {
    fs::permissions(dir.path(), fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    const std::string folder = dir.file("card");
    fs::create_directory(folder);
    const std::string target = folder + "/BACKUP01.PAR";
    test::WriteImageFile(target, ParImageBuffer(), 0, 100);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                fs::perms::others_exec);
    test::InstallImage(ImageBuilder().build());

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(3);
        const WriteResult result = WriteDataSet(target, "");
        const bool reported = !result.ok && result.failedPath == target &&
                              result.systemReason == std::strerror(EACCES) && Ws().Modified;
        _exit(reported ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadWholeFile(target).size(), 100u);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace tessalin
