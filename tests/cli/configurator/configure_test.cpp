#include <gtest/gtest.h>

#include "core/device/load_data_set.h"
#include "core/workspace.h"
#include "support/run_cli.h"

namespace tessalin::test {
namespace {

// A data set with a pH module (4) in [I] and a conductivity module (5) in [II].
class CliConfigure : public ::testing::Test {
protected:
    void SetUp() override {
        const CliRun run = RunCli({"new", "-o", front_, "--front", "2", "--sw", "9", "--base", "1", "--module", "4",
                                   "--module", "5"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
    }

    TempDir dir_;
    const std::string front_ = dir_.file("BACKUP01.PAR");
};

TEST_F(CliConfigure, ChangesTheDataSetAsTheWindowDoes) {
    const std::string out = dir_.file("OUT01.PAR"), purgon = dir_.file("OUT02.PAR");
    const CliRun run = RunCli({"configure", front_, "--down", "1", "--add", "79", "--add", "8", "--option", "optLPAR",
                               "--json", "-o", out, purgon});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(JsonOf(run)["slots"], nlohmann::ordered_json({5, 4, 8})) << run.out;

    ResetWorkspace();
    ASSERT_EQ(LoadDataSet(out, purgon).code, 0);
    const TDevice& device = Ws().Device;
    EXPECT_EQ(device.Slot[0].Code, 5);
    EXPECT_EQ(device.Slot[1].Code, 4);
    EXPECT_EQ(device.Slot[2].Code, 8);
    EXPECT_EQ(device.Purgon.TypeCode, 79);
    EXPECT_EQ(device.Purgon.SlotMask, 2);  // follows its carrier into [II]
    EXPECT_TRUE(device.Front.Options & (1u << 18));

    // In place: removing the carrier drops the controller.
    ASSERT_EQ(RunCli({"configure", out, "--remove", "2", "--in-place"}).exitCode, 0);
    ResetWorkspace();
    ASSERT_EQ(LoadDataSet(out, "").code, 0);
    EXPECT_EQ(Ws().Device.Slot[1].Code, 8);
    EXPECT_EQ(Ws().Device.Purgon.TypeCode, 0);
}

// A front read from a file keeps its software version, as the window shows it as a read-only line; the
// version printed is the one stored.
TEST_F(CliConfigure, KeepsTheVersionOfAFrontReadFromAFile) {
    const auto before = ReadWholeFile(front_);
    const CliRun refused = RunCli({"configure", front_, "--sw", "7", "--in-place"});
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_NE(refused.err.find("--sw 7 refused: the software version of a front unit read from a file is the "
                               "device's (9.x) and is not chosen"),
              std::string::npos)
        << refused.err;
    EXPECT_EQ(ReadWholeFile(front_), before);

    const CliRun run = RunCli({"configure", front_, "--option", "optLPAR", "--in-place"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("software 9.x,"), std::string::npos) << run.out;
}

TEST_F(CliConfigure, RefusalsAndUsageErrorsWriteNothing) {
    const auto before = ReadWholeFile(front_);
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {{"--add", "28"}, 3, "slot [II] is occupied"},
        {{"--up", "1"}, 3, "cannot move up"},
        {{"--option", "optNOSUCH"}, 3, "unknown option"},
        {{"--no-option", "optDOLOVAN"}, 3, "option optDOLOVAN is never offered"},
        {{"--option", "optADAP"}, 3, "only below software version 6"},
        {{"--remove", "4"}, 2, "1, 2, 3 or purgon"},
        {{"--sw", "B"}, 2, "--sw"},
        {{}, 2, "--in-place"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"configure", front_};
        args.insert(args.end(), c.args.begin(), c.args.end());
        if (!c.args.empty()) args.push_back("--in-place");
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.message << ": " << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
    EXPECT_EQ(ReadWholeFile(front_), before);
}

}  // namespace
}  // namespace tessalin::test
