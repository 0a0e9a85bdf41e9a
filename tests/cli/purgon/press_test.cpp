// tessalin-cli reaches the Purgon program editor: a new configuration with a controller, a step edited
// through the step editor and a day copied, saved and checked again.
#include <gtest/gtest.h>

#include "support/run_cli.h"

namespace tessalin::test {
namespace {

TEST(PressCommand, EditsStepsAndCopiesDaysOfAPurgonDataSet) {
    TempDir dir;
    const std::string front = dir.file("F.PAR"), purgon = dir.file("P.PAR");
    ASSERT_EQ(RunCli({"new", "-o", front, purgon, "--front", "2", "--base", "1", "--module", "4", "--purgon", "79"}).exitCode, 0);

    // Program "Clean" (node 1/3/0), step row 3 = step 1: Edit, function "Wait duration" for 30 s.
    CliRun run = RunCli({"press", front, purgon, "--node", "1/3/0", "--row", "3", "--button", "1", "--sub", "0=8",
                         "--sub", "1=30", "--in-place"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("01: Wait duration   30 s"), std::string::npos) << run.out;
    // Insert before it.
    run = RunCli({"press", front, purgon, "--node", "1/3/0", "--row", "3", "--button", "2", "--in-place", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("\"label\":\"02: Wait duration   30 s\""), std::string::npos) << run.out;

    // Week program on, then Monday copied to Friday through the copy row of Monday (row 1).
    ASSERT_EQ(RunCli({"set", front, purgon, "--node", "1/0", "--row", "3", "--value", "2", "--in-place"}).exitCode, 0);
    run = RunCli({"press", front, purgon, "--node", "1/2/0", "--row", "0", "--button", "1", "--in-place"});
    EXPECT_EQ(run.exitCode, 2) << "a choice row is no button row";
    ASSERT_EQ(RunCli({"set", front, purgon, "--node", "1/2/0", "--row", "0", "--value", "2", "--in-place"}).exitCode, 0);
    run = RunCli({"press", front, purgon, "--node", "1/2", "--row", "1", "--button", "1", "--with", "1=6", "--in-place"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    run = RunCli({"page", front, purgon, "--node", "1/2/4"});  // Friday
    EXPECT_NE(run.out.find("01: Program: Cal 2point"), std::string::npos) << run.out;
    EXPECT_EQ(RunCli({"check", front, purgon}).exitCode, 0);

    // Errors: no such button; a --sub for a button without sub-page.
    EXPECT_EQ(RunCli({"press", front, purgon, "--node", "1/3/0", "--row", "3", "--button", "7", "--in-place"}).exitCode, 2);
    EXPECT_EQ(RunCli({"press", front, purgon, "--node", "1/3/0", "--row", "3", "--button", "3", "--sub", "0=8",
                      "--in-place"}).exitCode, 2);
}

}  // namespace
}  // namespace tessalin::test
