#include <gtest/gtest.h>

#include "core/device/load_data_set.h"
#include "core/workspace.h"
#include "support/run_cli.h"

namespace tessalin::test {
namespace {

TEST(CliNew, WritesADataSetThatLoadsWithItsModules) {
    TempDir dir;
    const std::string front = dir.file("BACKUP01.PAR"), purgon = dir.file("BACKUP02.PAR");
    const CliRun run = RunCli({"new", "-o", front, purgon, "--front", "2", "--sw", "9", "--base", "1", "--module",
                               "4", "--module", "5", "--purgon", "79", "--option", "optLPAR"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadWholeFile(front).size(), 16384u);
    EXPECT_EQ(ReadWholeFile(purgon).size(), 9100u);

    ResetWorkspace();
    ASSERT_EQ(LoadDataSet(front, purgon).code, 0);
    const TDevice& device = Ws().Device;
    EXPECT_EQ(device.Front.Code, 2);
    EXPECT_EQ(device.Front.SwMajor, '9');
    EXPECT_EQ(device.Base.Code, 1);
    EXPECT_EQ(device.Slot[0].Code, 4);
    EXPECT_EQ(device.Slot[1].Code, 5);
    EXPECT_EQ(device.Purgon.TypeCode, 79);
    EXPECT_TRUE(device.Front.Options & (1u << 18));

    // The tree shows the pH module's branch with its menus.
    const CliRun tree = RunCli({"tree", front, purgon, "--lang", "1"});
    ASSERT_EQ(tree.exitCode, 0) << tree.err;
    EXPECT_NE(tree.out.find("[I] "), std::string::npos) << tree.out;
    EXPECT_NE(tree.out.find("Calibration data"), std::string::npos) << tree.out;
}

TEST(CliNew, RefusesWhatTheConfiguratorWouldNotOffer) {
    TempDir dir;
    struct Case {
        std::vector<std::string> extra;
        const char* reason;
    };
    const Case cases[] = {
        {{"--module", "3", "--module", "5", "--module", "8", "--module", "9"}, "slot [III] is occupied"},
        {{"--module", "3", "--module", "5", "--module", "28"}, "slot [II] is occupied"},
        {{"--module", "29"}, "base unit 50"},
        {{"--module", "3", "--purgon", "79"}, "carrier"},
        {{"--option", "optADAP"}, "option optADAP is offered only below software version 6"},
        {{"--option", "optSMED"}, "option optSMED is never offered"},
        {{"--sw", "6", "--module", "4", "--purgon", "80"}, "module type 80 is not offered"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"new", "-o", dir.file("F.PAR"), "--front", "2", "--base", "1"};
        if (std::find(c.extra.begin(), c.extra.end(), "--purgon") != c.extra.end()) args.push_back(dir.file("P.PAR"));
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        // -o takes the PURGON path as the positional argument after FRONT.
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.exitCode, 3) << c.reason;
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
    }
    EXPECT_TRUE(ReadWholeFile(dir.file("F.PAR")).empty());
}

// A new front keeps its own version unless one is asked for; the Purgon controller is of the type asked.
TEST(CliNew, WritesTheVersionAndPurgonTypeAskedFor) {
    TempDir dir;
    const std::string front = dir.file("F.PAR"), purgon = dir.file("P.PAR");
    const struct {
        std::vector<std::string> extra;
        const char* version;
        int purgonType;
    } cases[] = {
        {{}, "A.2", 0},
        {{"--sw", "A"}, "A.x", 0},
        {{"--sw", "9", "--module", "4", "--purgon", "80"}, "9.x", 80},
        {{"--module", "4", "--purgon", "79"}, "A.2", 79},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"new", "-o", front};
        if (c.purgonType != 0) args.push_back(purgon);
        args.insert(args.end(), {"--front", "2", "--base", "1"});
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const CliRun run = RunCli(args);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_NE(run.out.find(std::string("software ") + c.version + ","), std::string::npos) << run.out;
        const auto bytes = ReadWholeFile(front);
        EXPECT_EQ(std::string(bytes.begin() + 2, bytes.begin() + 5), c.version);
        ResetWorkspace();
        ASSERT_EQ(LoadDataSet(front, c.purgonType != 0 ? purgon : "").code, 0);
        EXPECT_EQ(Ws().Device.Purgon.TypeCode, c.purgonType) << c.version;
    }
}

TEST(CliNew, UsageErrors) {
    EXPECT_EQ(RunCli({"new", "--front", "2", "--base", "1"}).exitCode, 2);
    EXPECT_EQ(RunCli({"new", "-o", "/tmp/x.par", "--front", "2", "--base", "1", "--sw", "4"}).exitCode, 2);
    EXPECT_EQ(RunCli({"new", "-o", "/tmp/x.par", "--front", "2", "--base", "1", "--purgon", "79"}).exitCode, 2);
    EXPECT_EQ(RunCli({"new", "--help"}).exitCode, 0);
}

}  // namespace
}  // namespace tessalin::test
