#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <limits>
#include <set>

#include "core/data_set/checksum.h"
#include "core/data_set/write.h"
#include "core/device/load_data_set.h"
#include "core/workspace.h"
#include "support/faulty_ops.h"
#include "support/image_builder.h"

namespace tessalin {
namespace {

namespace fs = std::filesystem;
using test::FaultyOps;
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
    constexpr int kCannotDropRoot = 3;
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(kCannotDropRoot);
        const WriteResult result = WriteDataSet(target, "");
        const bool reported = !result.ok && result.failedPath == target &&
                              result.systemReason == std::strerror(EACCES) && Ws().Modified;
        _exit(reported ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == kCannotDropRoot)
        GTEST_SKIP() << "running as root without the right to become an unprivileged user: permissions do not bite";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadWholeFile(target).size(), 100u);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

std::set<std::string> FolderNames(const fs::path& folder) {
    std::set<std::string> names;
    for (const fs::directory_entry& e : fs::directory_iterator(folder)) names.insert(e.path().filename().string());
    return names;
}

// Whatever fails on the way, neither file of the pair is replaced: both old files keep their bytes (or
// stay absent), nothing else is left in the folder, the data set stays changed and the reason names the
// file.
TEST_F(WriteDataSetTest, FaultAnywhereInThePairLeavesTheOldFiles) {
    struct Case {
        const char* name;
        std::size_t writeLimit = std::numeric_limits<std::size_t>::max();
        int failSync = -1;
        int failRename = -1;
        int error = ENOSPC;
        bool purgonNamed = false;
    };
    const Case cases[] = {
        {"disk full at once", 0, -1, -1, ENOSPC, false},
        {"disk full inside FRONT", 1000, -1, -1, ENOSPC, false},
        {"card removed after FRONT was written", kFrontSize + 500, -1, -1, EIO, true},
        {"card removed before Purgon reached the disk", std::numeric_limits<std::size_t>::max(), 1, -1, EIO, true},
        {"FRONT cannot be renamed", std::numeric_limits<std::size_t>::max(), -1, 0, EIO, false},
        {"card removed between replacing FRONT and Purgon", std::numeric_limits<std::size_t>::max(), -1, 1, EIO,
         true},
    };
    for (const bool oldFilesThere : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (oldFilesThere ? ", over old files" : ", new files"));
            TempDir card;
            const std::string front = card.file("BACKUP01.PAR"), purgon = card.file("BACKUP02.PAR");
            if (oldFilesThere) WithPurgon().frontSerial(1).writeFiles(card);
            const auto before = FolderNames(card.path());
            const std::vector<uint8_t> oldFront = oldFilesThere ? ReadWholeFile(front) : std::vector<uint8_t>{};
            const std::vector<uint8_t> oldPurgon = oldFilesThere ? ReadWholeFile(purgon) : std::vector<uint8_t>{};

            test::InstallImage(WithPurgon().frontSerial(2).build());
            Ws().FrontFileName = "current.par";
            Ws().Modified = false;
            FaultyOps ops;
            ops.writeLimit = c.writeLimit;
            ops.failSync = c.failSync;
            ops.failRename = c.failRename;
            ops.error = c.error;
            const ScopedSaveFileOps faulty(ops);
            const WriteResult result = WriteDataSet(front, purgon);

            EXPECT_FALSE(result.ok);
            EXPECT_EQ(result.failedPath, c.purgonNamed ? purgon : front);
            EXPECT_EQ(result.systemReason, std::strerror(c.error));
            EXPECT_TRUE(Ws().Modified);
            EXPECT_EQ(Ws().FrontFileName, "current.par");
            EXPECT_EQ(FolderNames(card.path()), before);
            if (oldFilesThere) {
                EXPECT_EQ(ReadWholeFile(front), oldFront);
                EXPECT_EQ(ReadWholeFile(purgon), oldPurgon);
            }
        }
    }
}

// A card that stays away cannot take the old FRONT file back either: it keeps a second name beside the
// new one, and the message says where, so that nothing is lost.
TEST_F(WriteDataSetTest, OldFileThatCannotBePutBackIsKeptAndNamed) {
    WithPurgon().frontSerial(1).writeFiles(dir);
    const std::string front = dir.file("BACKUP01.PAR"), purgon = dir.file("BACKUP02.PAR");
    const std::vector<uint8_t> oldFront = ReadWholeFile(front), oldPurgon = ReadWholeFile(purgon);
    test::InstallImage(WithPurgon().frontSerial(2).build());

    FaultyOps ops;
    ops.failRename = 1;
    ops.renamesStayFailed = true;
    ops.error = EIO;
    const ScopedSaveFileOps faulty(ops);
    const WriteResult result = WriteDataSet(front, purgon);

    ASSERT_FALSE(result.ok);
    EXPECT_EQ(result.failedPath, purgon);
    EXPECT_EQ(ReadWholeFile(purgon), oldPurgon);
    const std::string marker = " is kept as ";
    const std::size_t at = result.systemReason.find(marker);
    ASSERT_NE(at, std::string::npos) << result.systemReason;
    EXPECT_EQ(ReadWholeFile(result.systemReason.substr(at + marker.size())), oldFront);
    EXPECT_EQ(FolderNames(dir.path()).size(), 3u);  // the two targets and the kept old FRONT
}

// A link is followed to where it points, also when nothing is there yet; a link into a missing folder or
// one that never ends in a file is refused and stays as it was.
TEST_F(WriteDataSetTest, DanglingLinks) {
    test::InstallImage(ImageBuilder().build());
    fs::create_symlink(dir.file("card/BACKUP01.PAR"), dir.file("to-missing-card.par"));
    fs::create_symlink("later.par", dir.file("to-later.par"));
    fs::create_symlink("loop-b.par", dir.file("loop-a.par"));
    fs::create_symlink("loop-a.par", dir.file("loop-b.par"));
    const auto before = FolderNames(dir.path());

    for (const char* refused : {"to-missing-card.par", "loop-a.par"}) {
        const WriteResult result = WriteDataSet(dir.file(refused), "");
        EXPECT_FALSE(result.ok) << refused;
        EXPECT_EQ(result.failedPath, dir.file(refused));
        EXPECT_TRUE(fs::is_symlink(dir.file(refused))) << refused;
        EXPECT_EQ(FolderNames(dir.path()), before) << refused;
    }

    ASSERT_TRUE(WriteDataSet(dir.file("to-later.par"), "").ok);
    EXPECT_TRUE(fs::is_symlink(dir.file("to-later.par")));
    EXPECT_EQ(ReadWholeFile(dir.file("later.par")).size(), kFrontSize);
}

}  // namespace
}  // namespace tessalin
