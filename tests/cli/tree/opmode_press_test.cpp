// tessalin-cli press reaches the operating-mode pages: the rows are committed first and REFRESH is
// clicked, so the saved data set holds the new module.
#include <gtest/gtest.h>

#include <string>

#include "core/device/load_data_set.h"
#include "core/workspace.h"
#include "support/run_cli.h"

namespace tessalin::test {
namespace {

class OpModeSetCli : public ::testing::Test {
protected:
    void SetUp() override {
        front_ = dir_.file("in.par");
        const CliRun made = RunCli({"new", "-o", front_, "--front", "2", "--base", "1", "--module", "27", "--sw", "9"});
        ASSERT_EQ(made.exitCode, 0) << made.err;
    }
    void TearDown() override { ResetWorkspace(); }

    // The index path of slot [I]'s top-level node (the units before it have their own nodes).
    std::string SlotNode() const {
        const CliRun tree = RunCli({"tree", front_});
        std::size_t pos = 0;
        while (pos < tree.out.size()) {
            const std::size_t end = tree.out.find('\n', pos);
            const std::string line = tree.out.substr(pos, end - pos);
            if (line.find("(level 0,") != std::string::npos && line.find("position 4,") != std::string::npos)
                return line.substr(0, line.find('\t'));
            if (end == std::string::npos) break;
            pos = end + 1;
        }
        ADD_FAILURE() << "no node of slot [I] in\n" << tree.out;
        return "";
    }

    // The first slot's module type in a saved data set.
    static int SlotModule(const std::string& front) {
        ResetWorkspace();
        EXPECT_TRUE(LoadDataSet(front, "").ok());
        return Ws().Device.Slot[0].Code;
    }

    TempDir dir_;
    std::string front_;
};

TEST_F(OpModeSetCli, RefreshAppliesTheChosenVariableAndSaves) {
    const std::string out = dir_.file("out.par");
    const CliRun run =
        RunCli({"press", front_, "--node", SlotNode() + "/0", "--with", "4=ORP", "--row", "14", "--button", "1", "-o", out});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("Variable  ORP"), std::string::npos) << run.out;
    EXPECT_EQ(SlotModule(out), 174);
    EXPECT_EQ(SlotModule(front_), 170);

    const CliRun tree = RunCli({"tree", out});
    EXPECT_NE(tree.out.find("ORP offset"), std::string::npos) << tree.out;
}

TEST_F(OpModeSetCli, RefreshWithoutAChangeKeepsTheSensor) {
    const std::string out = dir_.file("out.par");
    const CliRun same = RunCli({"press", front_, "--node", SlotNode() + "/0", "--row", "14", "--button", "1", "-o", out});
    ASSERT_EQ(same.exitCode, 0) << same.err;
    EXPECT_EQ(SlotModule(out), 170);
}

// The index path of the first tree node whose line holds `title`.
std::string NodeTitled(const std::string& front, const std::string& title) {
    const CliRun tree = RunCli({"tree", front});
    const std::size_t at = tree.out.find(title);
    if (at == std::string::npos) {
        ADD_FAILURE() << "no node " << title << " in\n" << tree.out;
        return "";
    }
    const std::size_t start = tree.out.rfind('\n', at) + 1;  // npos + 1 is the first line
    return tree.out.substr(start, tree.out.find('\t', start) - start);
}

// REFRESH to a mode with the probe controller on a data set opened without a Purgon file creates the
// Purgon image: it is written with its FRONT file, or nothing is.
TEST(OpModePurgonCli, APurgonImageMadeByRefreshIsWrittenWithItsFront) {
    TempDir dir;
    const std::string front = dir.file("IN01.PAR"), other = dir.file("IN02.PAR");
    ASSERT_EQ(RunCli({"new", "-o", front, "--front", "2", "--base", "1", "--module", "28", "--sw", "8", "--option",
                      "optFIU2K"}).exitCode, 0);
    ASSERT_EQ(RunCli({"new", "-o", other, "--front", "2", "--base", "1", "--module", "28", "--sw", "8", "--option",
                      "optFIU2K"}).exitCode, 0);
    const std::vector<std::string> probeMode = {"--node", NodeTitled(front, "Operating mode"), "--with", "3=4",
                                                "--row", "7", "--button", "1"};
    const auto press = [&](const std::string& in, const std::vector<std::string>& outputs) {
        std::vector<std::string> args = {"press", in};
        args.insert(args.end(), probeMode.begin(), probeMode.end());
        args.insert(args.end(), outputs.begin(), outputs.end());
        return RunCli(args);
    };
    const auto attachedPurgon = [](const std::string& f, const std::string& p) {
        ResetWorkspace();
        EXPECT_TRUE(LoadDataSet(f, p).ok());
        return std::pair{static_cast<int>(Ws().Device.Slot[1].Code), static_cast<int>(Ws().Device.Purgon.TypeCode)};
    };

    const std::string out = dir.file("OUT01.PAR"), outPurgon = dir.file("OUT02.PAR");
    CliRun run = press(front, {"-o", out});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("give OUTPURGON"), std::string::npos) << run.err;
    EXPECT_TRUE(ReadWholeFile(out).empty());

    run = press(front, {"-o", out, outPurgon});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(attachedPurgon(out, outPurgon), std::pair(153, 79));

    // In place, the Purgon image goes beside FRONT ...
    run = press(front, {"--in-place"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(attachedPurgon(front, dir.file("BACKUP02.PAR")), std::pair(153, 79));

    // ... but never over a Purgon file that was not opened with it.
    const auto otherBefore = ReadWholeFile(other), purgonBefore = ReadWholeFile(dir.file("BACKUP02.PAR"));
    run = press(other, {"--in-place"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("was not opened"), std::string::npos) << run.err;
    EXPECT_EQ(ReadWholeFile(other), otherBefore);
    EXPECT_EQ(ReadWholeFile(dir.file("BACKUP02.PAR")), purgonBefore);
}

}  // namespace
}  // namespace tessalin::test
