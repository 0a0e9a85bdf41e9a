// tessalin-cli press reaches the operating-mode pages: the rows are committed first and REFRESH is
// clicked, so the saved data set holds the new module.
#include <gtest/gtest.h>

#include <string>

#include "core/data_set/load.h"
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

}  // namespace
}  // namespace tessalin::test
