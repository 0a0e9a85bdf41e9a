// The one writer as every kind of file meets it: documents, workbooks, settings files; faults on the way,
// protected and other users' files, long names and links that do not resolve yet.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <set>

#include "core/documentation/pdf_writer.h"
#include "core/documentation/table_files.h"
#include "core/files/file_identity.h"
#include "core/files/read_file.h"
#include "core/files/safe_write.h"
#include "core/workspace.h"
#include "support/faulty_ops.h"
#include "support/image_builder.h"

namespace tessalin {
namespace {

namespace fs = std::filesystem;
using test::FaultyOps;
using test::ReadWholeFile;
using test::TempDir;

std::set<std::string> FolderNames(const fs::path& folder) {
    std::set<std::string> names;
    for (const fs::directory_entry& e : fs::directory_iterator(folder)) names.insert(e.path().filename().string());
    return names;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    ASSERT_TRUE(WriteFileSafely(path, bytes).ok);
}

DocTable SmallTable() {
    DocTable table;
    table.rows = {{"0", "[I] PHS 2400", "", "", ""}, {"", "", "Nullpunkt", "7.00", "pH"}};
    return table;
}

// Every kind of file the program writes, each as its writer makes it; false with the message on failure.
struct Writer {
    const char* name;
    std::function<bool(const std::string& path, std::string& error)> write;
    bool byLibrary = false;  // written by the workbook library itself: only the flush and rename are ours
};

const Writer kWriters[] = {
    {"PDF", [](const std::string& p, std::string& e) { return WritePdfFile(p, {PageDescription()}, PdfInfo(), e); }},
    {"CSV", [](const std::string& p, std::string& e) { return WriteCsvFile(p, SmallTable(), e); }},
    {"workbook", [](const std::string& p, std::string& e) { return WriteXlsxFile(p, SmallTable(), e); }, true},
    {"settings file",
     [](const std::string& p, std::string& e) {
         const WriteResult r = WriteFileSafely(p, std::string(20000, '{'));
         e = r.describe();
         return r.ok;
     }},
};

// A full disk, a failed flush or a failed rename leaves the old file byte for byte, and nothing beside it;
// the message names the file and the system's reason.
TEST(SafeWrite, FaultLeavesTheOldFileOfEveryKind) {
    ResetWorkspace();
    struct Fault {
        const char* name;
        std::size_t writeLimit;
        int failSync, failRename, error;
    };
    const Fault faults[] = {
        {"disk full", 40, -1, -1, ENOSPC},
        {"flush fails", std::numeric_limits<std::size_t>::max(), 0, -1, EIO},
        {"rename fails", std::numeric_limits<std::size_t>::max(), -1, 0, EIO},
    };
    for (const Writer& writer : kWriters) {
        for (const Fault& fault : faults) {
            if (writer.byLibrary && fault.writeLimit != std::numeric_limits<std::size_t>::max()) continue;
            SCOPED_TRACE(std::string(writer.name) + ", " + fault.name);
            TempDir dir;
            const std::string path = dir.file("old.out");
            const std::string old(9000, 'o');
            WriteBytes(path, old);
            FaultyOps ops;
            ops.writeLimit = fault.writeLimit;
            ops.failSync = fault.failSync;
            ops.failRename = fault.failRename;
            ops.error = fault.error;
            std::string error;
            {
                const ScopedSaveFileOps faulty(ops);
                EXPECT_FALSE(writer.write(path, error));
            }
            EXPECT_EQ(error, path + ": " + std::strerror(fault.error));
            const std::vector<uint8_t> now = ReadWholeFile(path);
            EXPECT_TRUE(std::string(now.begin(), now.end()) == old) << "the old file was changed";
            EXPECT_EQ(FolderNames(dir.path()), std::set<std::string>{"old.out"});
        }
    }
}

// A file whose permissions forbid writing is refused, also for root (checked by its mode bits, which root
// would otherwise pass); another user's file keeps its owner and group when root saves it; a name as
// long as the system allows is written although the temporary name beside it is another.
TEST(SafeWrite, ProtectionOwnerAndLongNames) {
    ResetWorkspace();
    TempDir dir;
    const std::string locked = dir.file("locked.pdf");
    WriteBytes(locked, "old");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    for (const Writer& writer : kWriters) {
        std::string error;
        EXPECT_FALSE(writer.write(locked, error)) << writer.name;
        EXPECT_EQ(error, locked + ": " + std::strerror(EACCES)) << writer.name;
    }
    EXPECT_EQ(ReadWholeFile(locked), (std::vector<uint8_t>{'o', 'l', 'd'}));

    const std::string longName = dir.file(std::string(251, 'n') + ".par");
    ASSERT_EQ(fs::path(longName).filename().string().size(), 255u);
    EXPECT_TRUE(WriteFileSafely(longName, "new").ok);
    EXPECT_TRUE(WriteFileSafely(longName, "newer").ok);
    EXPECT_EQ(ReadWholeFile(longName).size(), 5u);

    const std::string theirs = dir.file("theirs.csv");
    WriteBytes(theirs, "old");
    ::chmod(theirs.c_str(), 0640);
    if (::geteuid() != 0 || ::chown(theirs.c_str(), 65534, 65534) != 0)
        GTEST_SKIP() << "another user's file can be given away only by root: owner and group not checked";
    ASSERT_TRUE(WriteFileSafely(theirs, "new").ok);
    struct stat st {};
    ASSERT_EQ(::stat(theirs.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// The same-file check resolves a path as the writer does: a link that does not resolve yet names the
// file it will create.
TEST(SafeWrite, SameFileAgreesWithTheWriter) {
    TempDir dir;
    WriteBytes(dir.file("real.par"), "x");
    fs::create_hard_link(dir.file("real.par"), dir.file("hard.par"));
    fs::create_symlink("real.par", dir.file("link.par"));
    fs::create_symlink("T.par", dir.file("d1.par"));
    fs::create_symlink(dir.file("T.par"), dir.file("d2.par"));
    fs::create_directory(dir.file("sub"));
    const struct {
        std::string a, b;
        bool same;
    } cases[] = {
        {dir.file("real.par"), dir.file("hard.par"), true},
        {dir.file("real.par"), dir.file("link.par"), true},
        {dir.file("d1.par"), dir.file("d2.par"), true},
        {dir.file("d1.par"), dir.file("T.par"), true},
        {dir.file("sub/../T.par"), dir.file("d2.par"), true},
        {dir.file("d1.par"), dir.file("real.par"), false},
        {dir.file("T.par"), dir.file("U.par"), false},
    };
    for (const auto& c : cases) EXPECT_EQ(SameFile(c.a, c.b), c.same) << c.a << " / " << c.b;

    ASSERT_TRUE(WriteFileSafely(dir.file("d1.par"), "T").ok);
    EXPECT_TRUE(fs::is_symlink(dir.file("d1.par")));
    EXPECT_EQ(ReadWholeFile(dir.file("T.par")).size(), 1u);
}

// Only regular files are read as input: a folder, a FIFO and a device are refused at once, a file
// beyond the limit too; a FIFO or a device can still be written into (a pipe given as /dev/stdout).
TEST(SafeWrite, InputsAreRegularFilesWithinALimit) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    WriteBytes(dir.file("big.json"), std::string(101, ' '));
    const struct {
        std::string path;
        const char* reason;
    } refused[] = {
        {dir.path().string(), "Is a directory"},
        {dir.file("fifo"), "not a regular file but a FIFO"},
        {"/dev/zero", "not a regular file but a device"},
        {dir.file("big.json"), "larger than 100 bytes"},
        {dir.file("missing"), "No such file or directory"},
    };
    for (const auto& r : refused) {
        std::string bytes, reason;
        EXPECT_FALSE(ReadRegularFile(r.path, 100, bytes, reason)) << r.path;
        EXPECT_EQ(reason, r.reason) << r.path;
    }
    std::string bytes, reason;
    EXPECT_TRUE(ReadRegularFile(dir.file("big.json"), 101, bytes, reason)) << reason;
    EXPECT_EQ(bytes.size(), 101u);

    EXPECT_TRUE(WriteFileSafely("/dev/null", "into a device").ok);
    EXPECT_TRUE(fs::exists("/dev/null"));
}

}  // namespace
}  // namespace tessalin
