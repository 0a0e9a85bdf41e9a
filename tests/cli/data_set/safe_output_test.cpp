// What the commands write, tried as a careless or hostile user would: outputs that are inputs, a full
// disk, files that are no files, protected files, failed saves and two edits of one data set at once.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <future>
#include <map>

#include "core/data_set/write.h"
#include "core/device/load_data_set.h"
#include "core/files/file_lock.h"
#include "core/workspace.h"
#include "support/run_cli.h"

namespace tessalin::test {
namespace {

namespace fs = std::filesystem;

// Every file of a folder with its bytes (a link as where it points).
std::map<std::string, std::vector<uint8_t>> FolderContent(const fs::path& folder) {
    std::map<std::string, std::vector<uint8_t>> content;
    for (const fs::directory_entry& e : fs::directory_iterator(folder)) {
        const std::string name = e.path().filename().string();
        if (e.is_symlink()) {
            const std::string to = fs::read_symlink(e.path()).string();
            content[name] = std::vector<uint8_t>(to.begin(), to.end());
        } else if (e.is_regular_file()) {
            content[name] = ReadWholeFile(e.path().string());
        }
    }
    return content;
}

// Files grow no larger than `bytes` while the object lives, as on a disk that is full: a write beyond
// fails with "File too large" in every program started meanwhile. No root is needed for it.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

class SafeOutputCli : public ::testing::Test {
protected:
    void SetUp() override {
        const CliRun made = RunCli({"new", "-o", front_, purgon_, "--front", "2", "--sw", "9", "--base", "1", "--module",
                                    "4", "--purgon", "79"});
        ASSERT_EQ(made.exitCode, 0) << made.err;
    }
    std::string File(const std::string& name) const { return dir_.file(name); }

    TempDir dir_;
    const std::string front_ = dir_.file("F.par"), purgon_ = dir_.file("P.par");
};

// An output that is an opened input (by path, link, hard link or a link that does not resolve yet), or
// another output of the command, is a usage error before anything is written.
TEST_F(SafeOutputCli, OutputsThatNameAnInputOrEachOtherAreRefused) {
    fs::create_symlink("T.par", File("d1.par"));
    fs::create_symlink(File("T.par"), File("d2.par"));
    fs::create_symlink("T.par", File("link.par"));
    fs::create_hard_link(purgon_, File("hard.par"));
    fs::create_symlink("F.par", File("front-link.par"));
    const std::string set[] = {"set", front_, purgon_, "--node", "0/0", "--row", "0", "--value", "English"};
    const std::vector<std::vector<std::string>> cases = {
        {std::begin(set), std::end(set)},  // completed below with -o
        {"doc", front_, purgon_, "--pdf", purgon_},
        {"doc", front_, purgon_, "--csv", File("front-link.par")},
        {"doc", front_, purgon_, "--xlsx", File("hard.par")},
        {"doc", front_, purgon_, "--pdf", File("r.pdf"), "--csv", File("./r.pdf")},
        {"export", front_, purgon_, "-o", front_},
        {"plan", front_, purgon_, "--node", "0", "-o", purgon_},
        {"new", "-o", File("N.par"), File("./N.par"), "--front", "2", "--base", "1", "--purgon", "79", "--module", "4"},
    };
    const auto before = FolderContent(dir_.path());
    std::vector<std::vector<std::string>> runs = cases;
    runs[0].insert(runs[0].end(), {"-o", File("d1.par"), File("d2.par")});
    std::vector<std::string> linkFirst(std::begin(set), std::end(set));
    linkFirst.insert(linkFirst.end(), {"-o", File("link.par"), File("T.par")});
    runs.push_back(linkFirst);
    std::vector<std::string> crossed(std::begin(set), std::end(set));
    crossed.insert(crossed.end(), {"-o", purgon_, File("Q.par")});
    runs.push_back(crossed);
    for (const auto& args : runs) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.exitCode, 2) << args[0] << " " << args.back() << ": " << run.err;
        EXPECT_NE(run.err.find("nothing written"), std::string::npos) << run.err;
        EXPECT_EQ(FolderContent(dir_.path()), before) << args[0] << " " << args.back();
    }
    // -o naming the input it stands for is the same as --in-place.
    const CliRun same = RunCli({"set", front_, purgon_, "--node", "0/0", "--row", "0", "--value", "English", "-o",
                                front_, purgon_});
    EXPECT_EQ(same.exitCode, 0) << same.err;
}

// A disk that is full: every old output stays byte for byte, nothing is left beside it, and the message
// names the file and the system's reason, not the workbook library's own lines.
TEST_F(SafeOutputCli, FullDiskLeavesEveryOldOutput) {
    const std::string pdf = File("o.pdf"), xlsx = File("o.xlsx"), csv = File("o.csv"), json = File("o.json"),
                      png = File("o.png"), outFront = File("OF.par"), outPurgon = File("OP.par");
    ASSERT_EQ(RunCli({"doc", front_, purgon_, "--pdf", pdf, "--xlsx", xlsx, "--csv", csv}).exitCode, 0);
    ASSERT_EQ(RunCli({"export", front_, purgon_, "-o", json}).exitCode, 0);
    ASSERT_EQ(RunCli({"plan", front_, purgon_, "--node", "0", "-o", png}).exitCode, 0);
    ASSERT_EQ(RunCli({"set", front_, purgon_, "--node", "0/0", "--row", "0", "--value", "English", "-o", outFront,
                      outPurgon})
                  .exitCode,
              0);
    const auto before = FolderContent(dir_.path());
    for (const auto& [name, bytes] : before) ASSERT_GT(bytes.size(), 4096u) << name;

    const std::vector<std::pair<std::string, std::vector<std::string>>> runs = {
        {pdf, {"doc", front_, purgon_, "--pdf", pdf}},
        {xlsx, {"doc", front_, purgon_, "--xlsx", xlsx}},
        {csv, {"doc", front_, purgon_, "--csv", csv}},
        {json, {"export", front_, purgon_, "-o", json}},
        {png, {"plan", front_, purgon_, "--node", "0", "-o", png}},
        {outFront, {"set", front_, purgon_, "--node", "0/0", "--row", "0", "--value", "Deutsch", "-o", outFront, outPurgon}},
    };
    for (const auto& [target, args] : runs) {
        CliRun run;
        {
            const FileSizeLimit full(4096);
            run = RunCli(args);
        }
        EXPECT_EQ(run.exitCode, 4) << target;  // not written
        EXPECT_NE(run.err.find(target + ": File too large"), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("[ERROR]"), std::string::npos) << run.err;
        EXPECT_EQ(FolderContent(dir_.path()), before) << target;
    }
}

// A save that fails is not reported as done: "written", "stored", "written": true and the page pressed come
// only after it.
TEST_F(SafeOutputCli, ReportsFollowTheSave) {
    const std::string json = File("s.json");
    ASSERT_EQ(RunCli({"export", front_, purgon_, "-o", json}).exitCode, 0);
    const std::string nowhere = File("missing/F.par"), nowherePurgon = File("missing/P.par");

    const CliRun apply = RunCli({"apply", front_, purgon_, json, "-o", nowhere, nowherePurgon});
    EXPECT_EQ(apply.exitCode, 4);
    EXPECT_NE(apply.out.find("nothing written (the save failed)"), std::string::npos) << apply.out;
    EXPECT_NE(apply.err.find(nowhere + ": No such file or directory"), std::string::npos) << apply.err;
    const CliRun applyJson = RunCli({"apply", front_, purgon_, json, "--json", "-o", nowhere, nowherePurgon});
    EXPECT_EQ(JsonOf(applyJson)["written"], false);

    const CliRun lint = RunCli({"lint", front_, purgon_, "--fix", "-o", nowhere, nowherePurgon});
    EXPECT_EQ(lint.exitCode, 4);
    EXPECT_NE(lint.out.find("; nothing written (the save failed)\n"), std::string::npos) << lint.out;
    const CliRun lintJson = RunCli({"lint", front_, purgon_, "--fix", "--json", "-o", nowhere, nowherePurgon});
    EXPECT_EQ(JsonOf(lintJson)["written"], false);

    const CliRun set = RunCli({"set", front_, purgon_, "--node", "0/0", "--row", "0", "--value", "English", "-o",
                               nowhere, nowherePurgon});
    EXPECT_EQ(set.exitCode, 4);
    EXPECT_EQ(set.out.find("stored"), std::string::npos) << set.out;

    // Inserting a step of program "Clean" (node 3/3/0, row 3, button 2): no page shown for a save that failed.
    const CliRun press = RunCli({"press", front_, purgon_, "--node", "3/3/0", "--row", "3", "--button", "2", "-o",
                                 nowhere, nowherePurgon});
    EXPECT_EQ(press.exitCode, 4);
    EXPECT_EQ(press.out, "") << press.out;
}

// Only regular files are read: a device, a FIFO or a folder as a settings file or a data set, and a
// settings file larger than any can be, are refused at once with the reason.
TEST_F(SafeOutputCli, InputsThatAreNoFilesAreRefusedAtOnce) {
    ASSERT_EQ(::mkfifo(File("fifo").c_str(), 0600), 0);
    const std::string big = File("big.json");
    std::ofstream{big};
    fs::resize_file(big, 17u << 20);  // sparse: nothing of it is on the disk
    const struct {
        std::vector<std::string> args;
        std::string reason;
    } cases[] = {
        {{"apply", front_, purgon_, "/dev/zero", "--dry-run"}, "/dev/zero: not a regular file but a device"},
        {{"apply", front_, purgon_, File("fifo"), "--dry-run"}, File("fifo") + ": not a regular file but a FIFO"},
        {{"apply", front_, purgon_, dir_.path().string(), "--dry-run"}, dir_.path().string() + ": Is a directory"},
        {{"apply", front_, purgon_, big, "--dry-run"}, big + ": larger than 16777216 bytes"},
        {{"info", File("fifo")}, "not a regular file but a FIFO"},
        {{"info", front_, "/dev/zero"}, "not a regular file but a device"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, 3) << c.reason;  // refused
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
    }
}

// A file without write permission is not replaced, whoever asks (root too: its mode bits say so); a name
// as long as the system allows for loading is saved in place.
TEST_F(SafeOutputCli, ProtectedFilesAndLongNames) {
    const std::string locked = File("locked.par");
    fs::copy_file(front_, locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const auto before = FolderContent(dir_.path());
    const std::vector<std::string> runs[] = {
        {"set", locked, purgon_, "--node", "0/0", "--row", "0", "--value", "English", "--in-place"},
        {"set", front_, purgon_, "--node", "0/0", "--row", "0", "--value", "English", "-o", locked, File("LP.par")},
    };
    for (const auto& args : runs) {
        const bool inPlace = args.back() == "--in-place";
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.exitCode, 4) << inPlace;
        EXPECT_NE(run.err.find(locked + ": Permission denied"), std::string::npos) << run.err;
        EXPECT_EQ(FolderContent(dir_.path()), before) << inPlace;
    }

    const std::string longName = File(std::string(246, 'n') + ".par");
    fs::copy_file(front_, longName);
    const CliRun run = RunCli({"set", longName, purgon_, "--node", "0/0", "--row", "0", "--value", "English", "--in-place"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(ReadWholeFile(longName), ReadWholeFile(front_));
}

// Two edits of one data set at once: the command waits while another holds the data set, then loads what
// that one saved, so that neither edit is lost.
TEST_F(SafeOutputCli, InPlaceEditsOfOneDataSetTakeTurns) {
    ResetWorkspace();
    ASSERT_TRUE(LoadDataSet(front_, purgon_).ok());
    constexpr long long kUntouchedByte = 0x3C10;  // a byte no one interprets: the other edit's mark
    std::future<CliRun> command;
    {
        const FileLock held = FileLock::Wait(front_);
        ASSERT_TRUE(held.held());
        command = std::async(std::launch::async, [this] {
            return RunCli({"set", front_, purgon_, "--node", "0/0", "--row", "0", "--value", "English", "--in-place"});
        });
        // Long enough for the command to have loaded and saved the data set, had it not waited.
        command.wait_for(std::chrono::seconds(3));
        Ws().ParImage.setU8(kUntouchedByte, 0xAB);
        ASSERT_TRUE(WriteDataSet(front_, purgon_).ok);
    }
    const CliRun run = command.get();
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadWholeFile(front_).at(kUntouchedByte), 0xAB);
    const CliRun page = RunCli({"page", front_, purgon_, "--node", "0/0"});
    EXPECT_NE(page.out.find("Language: English"), std::string::npos) << page.out;
}

}  // namespace
}  // namespace tessalin::test
