// tessalin-cli reaches the Purgon program editor: a new configuration with a controller, a step edited
// through the step editor and a day copied, saved and checked again.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/run_cli.h"

namespace tessalin::test {
namespace {

// The index path of the last top-level node of the tree, the Purgon controller's here (the units before
// it have their own nodes).
std::string LastTopLevelNode(const std::string& front, const std::string& purgon) {
    const CliRun tree = RunCli({"tree", front, purgon});
    std::string last;
    std::size_t pos = 0;
    while (pos < tree.out.size()) {
        const std::size_t end = tree.out.find('\n', pos);
        const std::string line = tree.out.substr(pos, end - pos);
        if (line.find("(level 0,") != std::string::npos) last = line.substr(0, line.find('\t'));
        if (end == std::string::npos) break;
        pos = end + 1;
    }
    return last;
}

TEST(PressCommand, EditsStepsAndCopiesDaysOfAPurgonDataSet) {
    TempDir dir;
    const std::string front = dir.file("F.PAR"), purgon = dir.file("P.PAR");
    ASSERT_EQ(RunCli({"new", "-o", front, purgon, "--front", "2", "--base", "1", "--module", "4", "--purgon", "79"}).exitCode, 0);
    const std::string p = LastTopLevelNode(front, purgon);
    ASSERT_FALSE(p.empty());

    // Program "Clean" (node P/3/0, P the controller's node), step row 3 = step 1: Edit, function "Wait duration" for 30 s.
    CliRun run = RunCli({"press", front, purgon, "--node", p + "/3/0", "--row", "3", "--button", "1", "--sub", "0=8",
                         "--sub", "1=30", "--in-place"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("01: Wait duration   30 s"), std::string::npos) << run.out;
    // Insert before it.
    run = RunCli({"press", front, purgon, "--node", p + "/3/0", "--row", "3", "--button", "2", "--in-place", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto rows = JsonOf(run)["rows"];
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const auto& row) { return row["label"] == "02: Wait duration   30 s"; }))
        << run.out;

    // Week program on, then Monday copied to Friday through the copy row of Monday (row 1).
    ASSERT_EQ(RunCli({"set", front, purgon, "--node", p + "/0", "--row", "3", "--value", "2", "--in-place"}).exitCode, 0);
    run = RunCli({"press", front, purgon, "--node", p + "/2/0", "--row", "0", "--button", "1", "--in-place"});
    EXPECT_EQ(run.exitCode, 2) << "a choice row is no button row";
    ASSERT_EQ(RunCli({"set", front, purgon, "--node", p + "/2/0", "--row", "0", "--value", "2", "--in-place"}).exitCode, 0);
    run = RunCli({"press", front, purgon, "--node", p + "/2", "--row", "1", "--button", "1", "--with", "1=6", "--in-place"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    run = RunCli({"page", front, purgon, "--node", p + "/2/4"});  // Friday
    EXPECT_NE(run.out.find("01: Program: Cal 2point"), std::string::npos) << run.out;
    EXPECT_EQ(RunCli({"check", front, purgon}).exitCode, 0);

    // Errors: no such button; a --sub for a button without sub-page.
    EXPECT_EQ(RunCli({"press", front, purgon, "--node", p + "/3/0", "--row", "3", "--button", "7", "--in-place"}).exitCode, 2);
    EXPECT_EQ(RunCli({"press", front, purgon, "--node", p + "/3/0", "--row", "3", "--button", "3", "--sub", "0=8",
                      "--in-place"}).exitCode, 2);
}

// A step's buttons carry pictures and no caption: the page names them by picture and hint, with their
// enabled state; a label that ends in a colon takes no second one.
TEST(PageCommand, ShowsPictureButtonsWithTheirStateAndEachLabelWithOneColon) {
    TempDir dir;
    const std::string front = dir.file("F.PAR"), purgon = dir.file("P.PAR");
    ASSERT_EQ(RunCli({"new", "-o", front, purgon, "--front", "2", "--base", "1", "--module", "4", "--purgon", "79"}).exitCode, 0);
    const std::string p = LastTopLevelNode(front, purgon);
    CliRun run = RunCli({"page", front, purgon, "--node", p + "/3/0"});
    EXPECT_NE(run.out.find("<picture BEARBEITEN: Edit>  <picture EINFUEGEN: Insert>"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("<BEARBEITEN>"), std::string::npos) << run.out;
    run = RunCli({"page", front, purgon, "--node", p + "/3/0", "--json"});
    EXPECT_NE(run.out.find("{\"caption\": \"\", \"picture\": \"BEARBEITEN\", \"hint\": \"Edit\", \"enabled\": true}"),
              std::string::npos) << run.out;

    run = RunCli({"page", front, purgon, "--node", "2/2/0"});  // the pH module's temperature page
    EXPECT_NE(run.out.find("Manual: 25.0"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("::"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace tessalin::test
