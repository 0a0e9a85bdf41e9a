// export, apply and diff through the real binary, on data sets made by new and edited with set.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/run_cli.h"

namespace tessalin::test {
namespace {

// The demo data set's recipe: a pH module with a Purgon controller and a conductivity module.
const std::vector<std::string> kDemo = {"--front", "2", "--sw", "9", "--base", "1", "--module", "4", "--module", "5",
                                        "--purgon", "79", "--option", "optLPAR", "--option", "optKONZ"};

// The calibration time stamp of the pH module in slot [I] (4 bytes at 0x0B20 + 102, and its copy 0x2000
// above): the rule of the calibration data writes the time of the commit, so it differs between a data
// set and the one the same values are applied to later.
constexpr std::size_t kPhCalTime = 0x0B20 + 102;

bool InCalTime(std::size_t i) {
    return (i >= kPhCalTime && i < kPhCalTime + 4) || (i >= kPhCalTime + 0x2000 && i < kPhCalTime + 0x2004);
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

class SettingsCli : public ::testing::Test {
protected:
    std::pair<std::string, std::string> MakeNew(const std::string& name) {
        const std::string front = dir_.file(name + "01.PAR"), purgon = dir_.file(name + "02.PAR");
        std::vector<std::string> args = {"new", "-o", front, purgon};
        args.insert(args.end(), kDemo.begin(), kDemo.end());
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return {front, purgon};
    }

    // The index path of the first node titled `title` below the component whose title starts with `component`.
    std::string PathOf(const std::pair<std::string, std::string>& set, const std::string& component, const std::string& title) {
        const CliRun tree = RunCli({"tree", set.first, set.second});
        std::istringstream lines(tree.out);
        std::string line;
        bool inside = false;
        while (std::getline(lines, line)) {
            const auto tab = line.find('\t');
            const auto tab2 = line.find('\t', tab + 1);
            std::string text = line.substr(tab + 1, tab2 - tab - 1);
            const bool top = !text.starts_with(" ");
            if (top) inside = text.starts_with(component);
            if (!top && inside && text.substr(text.find_first_not_of(' ')) == title) return line.substr(0, tab);
        }
        ADD_FAILURE() << "no node " << title << " below " << component;
        return "none";
    }

    void Set(const std::pair<std::string, std::string>& set, const std::string& path, const std::string& row,
             const std::string& value, const std::string& paramSet = "A") {
        const CliRun run = RunCli({"set", set.first, set.second, "--node", path, "--row", row, "--value", value,
                                   "--set", paramSet, "--in-place"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
    }

    TempDir dir_;
};

TEST_F(SettingsCli, ExportThenApplyGivesTheSameImages) {
    const auto edited = MakeNew("E");
    Set(edited, PathOf(edited, "[I] PHS", "Calibration data"), "3", "7.25");
    Set(edited, PathOf(edited, "[I] PHS", "Calibration data"), "0", "SE 555", "B");
    Set(edited, PathOf(edited, "[I] PHS", "Input filter"), "0", "On", "B");
    Set(edited, PathOf(edited, "[I] PG", "Fixed interval"), "1", "12");
    const std::string json = dir_.file("settings.json");
    const CliRun exported = RunCli({"export", edited.first, edited.second, "-o", json});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    // The same file on standard output, and again on a second run: exports diff well.
    EXPECT_EQ(RunCli({"export", edited.first, edited.second}).out, ReadText(json));

    const auto fresh = MakeNew("F");
    const std::string outFront = dir_.file("OUT01.PAR"), outPurgon = dir_.file("OUT02.PAR");
    const CliRun applied = RunCli({"apply", fresh.first, fresh.second, json, "-o", outFront, outPurgon});
    ASSERT_EQ(applied.exitCode, 0) << applied.err << applied.out;
    EXPECT_NE(applied.out.find("0 refused"), std::string::npos) << applied.out;

    EXPECT_EQ(ReadWholeFile(outPurgon), ReadWholeFile(edited.second));
    const auto want = ReadWholeFile(edited.first), got = ReadWholeFile(outFront);
    ASSERT_EQ(want.size(), got.size());
    for (std::size_t i = 2; i < want.size(); ++i) {  // bytes 0 and 1: the checksum, over the stamp too
        if (!InCalTime(i)) {
            EXPECT_EQ(want[i], got[i]) << "byte " << i;
        }
    }
    // Nothing but that stamp differs: the comparison finds no difference.
    const CliRun diff = RunCli({"diff", edited.first, edited.second, outFront, outPurgon});
    EXPECT_EQ(diff.exitCode, 0) << diff.out << diff.err;
    EXPECT_EQ(diff.out, "");
}

TEST_F(SettingsCli, ApplyReportsCorrectionsAndRefusalsAndWritesOnlyWhenAsked) {
    const auto set = MakeNew("S");
    const std::string json = dir_.file("settings.json");
    ASSERT_EQ(RunCli({"export", set.first, set.second, "--set", "A", "-o", json}).exitCode, 0);
    std::string text = ReadText(json);
    // The pH module's calibration page (the front unit's buffer tables hold a 7.00 too).
    const auto calibration = text.find("PHS 2400 > Calibration data");
    ASSERT_NE(calibration, std::string::npos);
    const auto zero = text.find("\"value\": \"7.00\"", calibration);
    ASSERT_NE(zero, std::string::npos);
    text.replace(zero, 15, "\"value\": \"99\"");
    WriteText(json, text);
    const auto original = ReadWholeFile(set.first);

    // Beyond the limit: stored as the limit and reported, as the window corrects it.
    const std::string out = dir_.file("OUT01.PAR"), outPurgon = dir_.file("OUT02.PAR");
    CliRun run = RunCli({"apply", set.first, set.second, json, "--dry-run"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("corrected: [I] PHS 2400 > Calibration data > Zero [set A]: 99 pH \u2192 shows 14.00 pH "
                           "(above the upper limit)"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("dry run, nothing written"), std::string::npos);
    EXPECT_EQ(ReadWholeFile(set.first), original);

    // Not a number: refused; nothing written unless --keep-going.
    const auto slope = text.find("\"value\": \"58.0\"", calibration);
    ASSERT_NE(slope, std::string::npos);
    WriteText(json, text.replace(slope, 15, "\"value\": \"fifty\""));
    run = RunCli({"apply", set.first, set.second, json, "-o", out, outPurgon});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_NE(run.out.find("refused: [I] PHS 2400 > Calibration data > Slope [set A]: fifty mV/pH"), std::string::npos)
        << run.out;
    EXPECT_TRUE(ReadWholeFile(out).empty());
    run = RunCli({"apply", set.first, set.second, json, "--in-place", "--keep-going", "--json"});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_NE(run.out.find("\"written\": true"), std::string::npos) << run.out;
    EXPECT_NE(ReadWholeFile(set.first), original);
}

TEST_F(SettingsCli, RefusesBadInputWithAClearMessage) {
    const auto set = MakeNew("S");
    const std::string json = dir_.file("bad.json");
    WriteText(json, "{\"format\": \"tessalin-settings\",\n \"version\": 1,,}");
    CliRun run = RunCli({"apply", set.first, set.second, json, "--dry-run"});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_NE(run.err.find("line 2, column 15"), std::string::npos) << run.err;
    run = RunCli({"apply", set.first, set.second, json});
    EXPECT_EQ(run.exitCode, 2);
    run = RunCli({"diff", set.first, set.second, dir_.file("missing.par")});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_NE(run.err.find("LoadError"), std::string::npos) << run.err;
}

TEST_F(SettingsCli, DiffListsExactlyTheEditedRows) {
    const auto demo = MakeNew("D");
    const auto copy = MakeNew("C");
    Set(copy, PathOf(copy, "[I] PHS", "Input filter"), "0", "On", "B");
    Set(copy, PathOf(copy, "[I] PG", "Fixed interval"), "1", "12");
    CliRun run = RunCli({"diff", demo.first, demo.second, copy.first, copy.second});
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_EQ(run.out,
              "[I] PHS 2400 > Input filter > Pulse suppression [set B]: Off \u2192 On\n"
              "[I] PG 2400 > Fixed interval > Interval: 24.0 \u2192 12.0 h\n");
    run = RunCli({"diff", demo.first, demo.second, copy.first, copy.second, "--set", "A", "--json"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("\"equal\": false"), std::string::npos);
    EXPECT_NE(run.out.find("\"path\": \"[I] PG 2400 > Fixed interval\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"old\": \"24.0\""), std::string::npos);
    EXPECT_EQ(run.out.find("Pulse suppression"), std::string::npos);
    run = RunCli({"diff", demo.first, demo.second, demo.first, demo.second});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
}

}  // namespace
}  // namespace tessalin::test
