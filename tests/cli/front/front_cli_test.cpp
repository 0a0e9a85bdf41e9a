// The front unit and its calculation blocks from the command line: a new configuration's tree starts with
// the front unit's menus, and choosing a block with 'set' adds the block's branch after the modules.

#include <gtest/gtest.h>

#include "core/device/load_data_set.h"
#include "core/families/front/front.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "support/run_cli.h"

namespace tessalin::test {
namespace {

// The tree path of a front menu entry in the data set, as 'tree' prints it.
std::string FrontPath(const std::string& front, int entry) {
    ResetWorkspace();
    EXPECT_EQ(LoadDataSet(front, "").code, 0);
    BuildDeviceTree();
    for (int node : NodesInOrder()) {
        const TreeNode& n = Ws().Tree.nodes[node];
        if (n.level > 0 && Ws().Tree.records[n.record].entry == &MenuFront[entry]) return NodePath(node);
    }
    return "none";
}

TEST(CliFront, ANewDeviceShowsTheFrontUnitFirstAndTakesACalculationBlock) {
    TempDir dir;
    const std::string front = dir.file("BACKUP01.PAR");
    const CliRun made = RunCli({"new", "-o", front, "--front", "2", "--base", "1", "--module", "4", "--module", "3"});
    ASSERT_EQ(made.exitCode, 0) << made.err;

    const CliRun tree = RunCli({"tree", front, "--lang", "1"});
    ASSERT_EQ(tree.exitCode, 0) << tree.err;
    EXPECT_TRUE(tree.out.starts_with("0\t")) << tree.out;
    EXPECT_NE(tree.out.find("(level 1, module 2, position 2, slot 255, entry 0)"), std::string::npos) << tree.out;
    for (const char* title : {"Language", "Measurement display", "System control", "Calculation-Blocks",
                              "Function control matrix"})
        EXPECT_NE(tree.out.find(title), std::string::npos) << title;
    EXPECT_EQ(tree.out.find("Difference"), std::string::npos);

    const std::string blocks = FrontPath(front, 11);
    const CliRun page = RunCli({"page", front, "--node", blocks, "--lang", "1", "--json"});
    ASSERT_EQ(page.exitCode, 0) << page.err;
    EXPECT_NE(page.out.find("{\"code\": 1, \"text\": \"[I] [II] Calc pH, pH\"}"), std::string::npos) << page.out;

    const CliRun refused = RunCli({"set", front, "--node", blocks, "--row", "0", "--value", "2", "--in-place"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.err.find("offers no item"), std::string::npos) << refused.err;

    const CliRun chosen = RunCli({"set", front, "--node", blocks, "--row", "0", "--value", "1", "--in-place"});
    ASSERT_EQ(chosen.exitCode, 0) << chosen.err;
    const CliRun after = RunCli({"tree", front, "--lang", "1", "--json"});
    ASSERT_EQ(after.exitCode, 0) << after.err;
    EXPECT_NE(after.out.find("<Z>128,3</Z>"), std::string::npos) << after.out;
    EXPECT_NE(after.out.find("\"module\": 128, \"position\": 8, \"slot\": 3, \"entry\": 0}"), std::string::npos)
        << after.out;
    EXPECT_NE(after.out.find("Difference"), std::string::npos);
}

TEST(CliFront, TheFunctionMatrixIsShownAndSetCellByCell) {
    TempDir dir;
    const std::string front = dir.file("BACKUP01.PAR");
    ASSERT_EQ(RunCli({"new", "-o", front, "--front", "2", "--base", "1", "--module", "3"}).exitCode, 0);
    const std::string matrix = FrontPath(front, 12);

    const CliRun unavailable = RunCli({"set", front, "--node", matrix, "--row", "0", "--value", "Input OK2,Fav,on",
                                       "--lang", "1", "--in-place"});
    EXPECT_EQ(unavailable.exitCode, 2);
    EXPECT_NE(unavailable.err.find("not available"), std::string::npos) << unavailable.err;

    for (const char* cell : {"Left softkey,Fav,on", "2,2,on"}) {
        const CliRun set = RunCli({"set", front, "--node", matrix, "--row", "0", "--value", cell, "--lang", "1",
                                   "--in-place"});
        ASSERT_EQ(set.exitCode, 0) << set.err;
    }
    const CliRun page = RunCli({"page", front, "--node", matrix, "--lang", "1", "--json"});
    ASSERT_EQ(page.exitCode, 0) << page.err;
    EXPECT_NE(page.out.find("\"value\": \"Right softkey=Fav\""), std::string::npos) << page.out;
    EXPECT_NE(page.out.find("\"cells\": [[1, 0, 0, 0], [1, 0, 1, 0], [1, 0, 2, 0], [0, 0, 0, 0]]"), std::string::npos)
        << page.out;
    const CliRun text = RunCli({"page", front, "--node", matrix, "--lang", "1"});
    EXPECT_NE(text.out.find("Right softkey:  ParSet [ ]  KI-Rec -  Fav [x]"), std::string::npos) << text.out;
}

}  // namespace
}  // namespace tessalin::test
