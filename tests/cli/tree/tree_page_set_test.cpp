#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "core/catalogue/codec.h"
#include "core/device/load_data_set.h"
#include "core/page/formpage.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "support/image_builder.h"
#include "support/run_cli.h"

namespace tessalin::test {
namespace {

// Front, base and a pH module in slot [I] (software 9.0).
ImageBuilder PhDevice() {
    ImageBuilder b;
    b.base(1);
    b.slot(0, 4, 0, 1);
    b.record(0, {.hwId = 8, .swVersion = 0x12, .hwVersion = 1, .brandByte = 0, .serial = 4711});
    return b;
}

class TreePageSetCli : public ::testing::Test {
protected:
    void SetUp() override { files_ = PhDevice().writeFiles(dir_); }

    // The same data set opened in this process, for what the tool must print.
    void OpenHere(const std::string& front) {
        ResetWorkspace();
        ASSERT_TRUE(LoadDataSet(front, "").ok());
        Ws().DeviceLanguage = 1;
        Ws().UiLanguage = 1;
        ASSERT_TRUE(BuildDeviceTree());
    }

    // The path of the pH module's node.
    static std::string PhPath() {
        for (int id : Ws().Tree.roots)
            if (Ws().Tree.nodes[id].text.find("<Z>4,1</Z>") != std::string::npos) return NodePath(id);
        return "none";
    }

    struct Found {
        std::string path;
        PageRow row;
        const TParamEntry* entry;
    };

    // The first shown, enabled row of the pH module's pages that `want` accepts.
    template <typename Want>
    std::optional<Found> FindRow(Want want) {
        OpenHere(files_.first);
        const std::string prefix = PhPath() + "/";
        for (int id : NodesInOrder()) {
            const std::string path = NodePath(id);
            if (!path.starts_with(prefix)) continue;
            DeviceTreeChange(id);
            const PageModel page = BuildFormpage();
            for (const PageRow& row : page.rows)
                if (!row.heading && row.enabled && row.active && want(row, Ws().FormpageRows[row.row].param))
                    return Found{path, row, Ws().FormpageRows[row.row].param};
        }
        return std::nullopt;
    }

    TempDir dir_;
    std::pair<std::string, std::string> files_;
};

TEST_F(TreePageSetCli, TreeListsEveryNodeWithItsPath) {
    const CliRun run = RunCli({"tree", files_.first, "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    OpenHere(files_.first);
    for (int id : NodesInOrder()) {
        EXPECT_NE(run.out.find("\"path\": \"" + NodePath(id) + "\""), std::string::npos) << NodePath(id);
    }
    EXPECT_NE(run.out.find("<Z>4,1</Z>"), std::string::npos);
    EXPECT_NE(run.out.find("\"module\": 4, \"position\": 4, \"slot\": 0, \"entry\": 0}"), std::string::npos);
    EXPECT_NE(run.out.find("\"level\": 1, \"markup\": "), std::string::npos);

    const CliRun text = RunCli({"tree", files_.first});
    ASSERT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find(PhPath() + "/0\t  "), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("(level 1, module 4, position 4, slot 0, entry 0)"), std::string::npos) << text.out;
}

TEST_F(TreePageSetCli, PlanDrawsAUnitAsAPictureAndRefusesAMenuNode) {
    OpenHere(files_.first);
    const std::string unit = PhPath();
    const std::string png = dir_.file("plan.png");
    unsetenv("XDG_RUNTIME_DIR");  // as on a console without a session: the toolkit has nothing to say about it
    const CliRun run = RunCli({"plan", files_.first, "--node", unit, "-o", png, "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("\"selector\": 1025"), std::string::npos) << run.out;  // code 4 in slot [I]
    std::FILE* f = std::fopen(png.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    unsigned char header[24] = {};
    ASSERT_EQ(std::fread(header, 1, sizeof header, f), sizeof header);
    std::fclose(f);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(header) + 1, 3), "PNG");
    const auto bigEndian = [&](int at) { return header[at] << 24 | header[at + 1] << 16 | header[at + 2] << 8 | header[at + 3]; };
    EXPECT_EQ(bigEndian(16), 500);  // width and height from the image header
    EXPECT_EQ(bigEndian(20), 600);

    EXPECT_EQ(RunCli({"plan", files_.first, "--node", unit + "/0", "-o", png}).exitCode, 2);
    EXPECT_EQ(RunCli({"plan", files_.first, "--node", unit}).exitCode, 2);
}

TEST_F(TreePageSetCli, PageShowsTitleAndRows) {
    const auto number = FindRow([](const PageRow& row, const TParamEntry*) { return row.kind == kKindNumber; });
    ASSERT_TRUE(number);
    DeviceTreeChange(NodeAtPath(number->path));
    const PageModel page = BuildFormpage();

    const CliRun run = RunCli({"page", files_.first, "--node", number->path, "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto document = JsonOf(run);
    EXPECT_EQ(document["title"], page.title);
    const auto shown = std::find_if(document["rows"].begin(), document["rows"].end(),
                                    [&](const auto& row) { return row["row"] == number->row.row; });
    ASSERT_NE(shown, document["rows"].end()) << run.out;
    EXPECT_EQ((*shown)["kind"], "number");
    EXPECT_EQ((*shown)["label"], number->row.label);
    EXPECT_EQ((*shown)["value"], number->row.value);

    const CliRun text = RunCli({"page", files_.first, "--node", number->path, "--lang", "0"});
    ASSERT_EQ(text.exitCode, 0);
    EXPECT_TRUE(text.out.starts_with("Title: ")) << text.out;
}

TEST_F(TreePageSetCli, SetANumberAboveItsLimitStoresTheLimit) {
    const auto found = FindRow([](const PageRow& row, const TParamEntry* e) {
        return row.kind == kKindNumber && (e->flags & kPfOwnLimits) && !(e->flags & kPfLimitsFromHandler);
    });
    ASSERT_TRUE(found);
    const std::string out = dir_.file("OUT01.PAR");
    const std::string above = std::to_string(static_cast<int>(found->entry->upper) + 1000);
    const CliRun run = RunCli({"set", files_.first, "--node", found->path, "--row", std::to_string(found->row.row),
                               "--value", above, "-o", out});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("check: 4 above the upper limit, corrected to "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("stored: "), std::string::npos);

    // The written data set holds the limit.
    OpenHere(out);
    DeviceTreeChange(NodeAtPath(found->path));
    BuildFormpage();
    Ws().CurrentParam = Ws().FormpageRows[found->row.row];
    TIPretSingle value;
    ReadNumber(value);
    EXPECT_NEAR(value.value * value.units[value.unitIndex].factor, found->entry->upper, 1e-3);
    EXPECT_NE(run.out.find("stored: " + value.text), std::string::npos) << run.out;
    // The correction names the value stored, in the row's unit.
    const std::string unit = value.units[value.unitIndex].text;
    EXPECT_NE(run.out.find("corrected to " + value.text + (unit.empty() ? "" : " " + unit) + "\n"), std::string::npos)
        << run.out;
}

// Setting the value a number row already shows is a success that stores nothing new.
TEST_F(TreePageSetCli, SetTheStoredNumberAgainReportsItUnchanged) {
    const auto found = FindRow([](const PageRow& row, const TParamEntry*) { return row.kind == kKindNumber; });
    ASSERT_TRUE(found);
    const std::string out = dir_.file("OUT01.PAR");
    const CliRun run = RunCli({"set", files_.first, "--node", found->path, "--row", std::to_string(found->row.row),
                               "--value", found->row.value, "-o", out});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("check: 0 accepted, unchanged"), std::string::npos) << run.out;
    EXPECT_EQ(run.err.find("not a number"), std::string::npos) << run.err;
    EXPECT_EQ(ReadWholeFile(out), ReadWholeFile(files_.first));
}

TEST_F(TreePageSetCli, SetAListWithTheBothSetsFlagLandsInBothSets) {
    const auto found = FindRow([](const PageRow& row, const TParamEntry* e) {
        return row.kind == kKindChoice && (e->flags & kPfBothSets) && row.items.size() >= 2;
    });
    ASSERT_TRUE(found);
    const int pick = found->row.selected == 0 ? 1 : 0;
    const ChoiceItem item = found->row.items[pick];
    const std::string out = dir_.file("OUT01.PAR");
    const CliRun run = RunCli({"set", files_.first, "--node", found->path, "--row", std::to_string(found->row.row),
                               "--value", item.text, "--set", "B", "-o", out});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("stored: " + item.text), std::string::npos) << run.out;

    OpenHere(out);
    const long long setA = ParamOffset(found->entry->location, 0, false);
    EXPECT_EQ(Ws().ParImage.u8(setA), item.code);
    EXPECT_EQ(Ws().ParImage.u8(setA + 0x2000), item.code);

    // The code names the item as well.
    const CliRun byCode = RunCli({"set", files_.first, "--node", found->path, "--row", std::to_string(found->row.row),
                                  "--value", std::to_string(item.code), "--in-place"});
    ASSERT_EQ(byCode.exitCode, 0) << byCode.err;
    OpenHere(files_.first);
    EXPECT_EQ(Ws().ParImage.u8(setA), item.code);
}

TEST_F(TreePageSetCli, RefusedInputAndUsageErrors) {
    const auto number = FindRow([](const PageRow& row, const TParamEntry*) { return row.kind == kKindNumber; });
    ASSERT_TRUE(number);
    const std::string row = std::to_string(number->row.row);
    const std::string out = dir_.file("OUT01.PAR");
    const struct {
        std::vector<std::string> args;
        int exitCode;
        const char* message;
    } cases[] = {
        {{"set", files_.first, "--node", number->path, "--row", row, "--value", "1"}, 2, "either -o"},
        {{"set", files_.first, "--node", "9/9", "--row", row, "--value", "1", "-o", out}, 2, "no node at path"},
        {{"set", files_.first, "--node", number->path, "--row", "99", "--value", "1", "-o", out}, 2, "no value row"},
        {{"set", files_.first, "--node", number->path, "--row", row, "--value", "x", "-o", out}, 2, "not a number"},
        {{"set", files_.first, "--node", number->path, "--row", row, "--value", "1", "-o", out, dir_.file("P.PAR")}, 2,
         "no Purgon image"},
        {{"page", files_.first, "--node", number->path, "--set", "C"}, 2, "--set takes A or B"},
        {{"tree", files_.first, "--lang", "7"}, 2, "--lang"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.message << ": " << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
    EXPECT_TRUE(ReadWholeFile(out).empty());  // nothing written by a refused set

    ParImageBuffer broken = PhDevice().build();
    broken.setU8(100, broken.u8(100) ^ 0xFF);  // the checksum no longer fits
    const std::string bad = dir_.file("BAD01.PAR");
    WriteImageFile(bad, broken, 0, kFrontSize);
    const CliRun refused = RunCli({"tree", bad});
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_NE(refused.err.find("LoadError 1024"), std::string::npos) << refused.err;
}

TEST_F(TreePageSetCli, APurgonDataSetNeedsBothOutputFiles) {
    const auto paths = PhDevice().purgon().writeFiles(dir_, "P01.PAR", "P02.PAR");
    const auto number = FindRow([](const PageRow& row, const TParamEntry*) { return row.kind == kKindNumber; });
    ASSERT_TRUE(number);
    const std::vector<std::string> base = {"set", paths.first, paths.second, "--node", number->path,
                                           "--row", std::to_string(number->row.row), "--value", "1"};
    std::vector<std::string> oneFile = base;
    oneFile.insert(oneFile.end(), {"-o", dir_.file("O1.PAR")});
    const CliRun refused = RunCli(oneFile);
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.err.find("give OUTPURGON"), std::string::npos) << refused.err;

    std::vector<std::string> twoFiles = base;
    twoFiles.insert(twoFiles.end(), {"-o", dir_.file("O1.PAR"), dir_.file("O2.PAR")});
    const CliRun run = RunCli(twoFiles);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadWholeFile(dir_.file("O2.PAR")).size(), 9100u);
    EXPECT_EQ(ReadWholeFile(dir_.file("O1.PAR")).size(), 16384u);
}

TEST_F(TreePageSetCli, OutputFilesNamingOneFileAreRefused) {
    const auto paths = PhDevice().purgon().writeFiles(dir_, "P01.PAR", "P02.PAR");
    const auto number = FindRow([](const PageRow& row, const TParamEntry*) { return row.kind == kKindNumber; });
    ASSERT_TRUE(number);
    const std::string out = dir_.file("O1.PAR");
    std::filesystem::copy_file(paths.first, out);
    const std::vector<uint8_t> old = ReadWholeFile(out);
    std::filesystem::create_directory(dir_.file("sub"));
    std::filesystem::create_symlink(out, dir_.file("LINK.PAR"));
    std::filesystem::create_hard_link(out, dir_.file("HARD.PAR"));
    for (const std::string& purgon : {out, dir_.file("sub/../O1.PAR"), dir_.file("LINK.PAR"), dir_.file("HARD.PAR")}) {
        const CliRun run = RunCli({"set", paths.first, paths.second, "--node", number->path, "--row",
                                   std::to_string(number->row.row), "--value", "1", "-o", out, purgon});
        EXPECT_EQ(run.exitCode, 2) << purgon << ": " << run.err;
        EXPECT_NE(run.err.find("OUTFRONT and OUTPURGON name the same file"), std::string::npos) << run.err;
        EXPECT_EQ(ReadWholeFile(out), old) << purgon;
    }
}

TEST_F(TreePageSetCli, APurgonImageWithoutCarrierIsNeitherRequiredNorRewritten) {
    // A pH module without probe control carries no Purgon controller: the Purgon image counts as absent.
    ImageBuilder b = PhDevice();
    b.slot(0, 3, 0, 1).purgon();
    const auto paths = b.writeFiles(dir_, "U01.PAR", "U02.PAR");
    const std::vector<uint8_t> purgonBefore = ReadWholeFile(paths.second);
    const auto number = FindRow([](const PageRow& row, const TParamEntry*) { return row.kind == kKindNumber; });
    ASSERT_TRUE(number);
    const std::vector<std::string> base = {"set", paths.first, paths.second, "--node", number->path,
                                           "--row", std::to_string(number->row.row), "--value", "1"};

    std::vector<std::string> inPlace = base;
    inPlace.push_back("--in-place");
    const CliRun edited = RunCli(inPlace);
    ASSERT_EQ(edited.exitCode, 0) << edited.err;
    EXPECT_EQ(ReadWholeFile(paths.second), purgonBefore);
    const CliRun check = RunCli({"check", paths.first, paths.second});
    EXPECT_EQ(check.exitCode, 0) << check.out << check.err;
    EXPECT_NE(check.out.find("OK"), std::string::npos) << check.out;

    std::vector<std::string> frontOnly = base;
    frontOnly.insert(frontOnly.end(), {"-o", dir_.file("V01.PAR")});
    const CliRun written = RunCli(frontOnly);
    ASSERT_EQ(written.exitCode, 0) << written.err;
    EXPECT_EQ(ReadWholeFile(dir_.file("V01.PAR")).size(), 16384u);
}

// A pair that cannot be written whole is not written at all: exit code 1, the file and the reason on
// standard error, both old output files byte for byte as they were and nothing else left beside them.
TEST_F(TreePageSetCli, AFailedWriteLeavesTheOldFilesAndSaysWhy) {
    namespace fs = std::filesystem;
    const auto paths = PhDevice().purgon().writeFiles(dir_, "P01.PAR", "P02.PAR");
    const auto number = FindRow([](const PageRow& row, const TParamEntry*) { return row.kind == kKindNumber; });
    ASSERT_TRUE(number);

    TempDir out;
    const auto [oldFront, oldPurgon] = PhDevice().frontSerial(99).purgon().writeFiles(out, "O1.PAR", "O2.PAR");
    const std::vector<uint8_t> frontBefore = ReadWholeFile(oldFront), purgonBefore = ReadWholeFile(oldPurgon);
    fs::create_directory(out.file("folder.par"));
    fs::create_symlink(out.file("gone/O1.PAR"), out.file("link.par"));
    fs::create_directory(out.file("locked"));
    fs::permissions(out.file("locked"), fs::perms::owner_read | fs::perms::owner_exec);
    const auto countEntries = [&out] { return std::distance(fs::directory_iterator(out.path()), {}); };
    const auto entriesBefore = countEntries();

    struct Case {
        std::string front, purgon, failed, reason;
    };
    std::vector<Case> cases = {
        {oldFront, out.file("folder.par"), out.file("folder.par"), "Is a directory"},
        {out.file("link.par"), oldPurgon, out.file("link.par"), "No such file or directory"},
    };
    if (geteuid() != 0) {
        cases.push_back({oldFront, out.file("locked/O2.PAR"), out.file("locked/O2.PAR"), "Permission denied"});
    } else {
        std::printf("read-only folder not tried here: running as root, where permissions do not bite\n");
    }
    for (const Case& c : cases) {
        const CliRun run = RunCli({"set", paths.first, paths.second, "--node", number->path, "--row",
                                   std::to_string(number->row.row), "--value", "1", "-o", c.front, c.purgon});
        EXPECT_EQ(run.exitCode, 4) << c.failed;
        EXPECT_NE(run.err.find("cannot write " + c.failed + ": " + c.reason), std::string::npos) << run.err;
        EXPECT_EQ(ReadWholeFile(oldFront), frontBefore) << c.failed;
        EXPECT_EQ(ReadWholeFile(oldPurgon), purgonBefore) << c.failed;
        EXPECT_EQ(countEntries(), entriesBefore) << c.failed;
        EXPECT_TRUE(fs::is_empty(out.file("locked")));
    }
}

}  // namespace
}  // namespace tessalin::test
