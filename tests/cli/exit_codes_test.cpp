// The exit codes a script tells apart: the question commands answer 0 or 1, and usage errors, refused
// data sets and failed writes each have a code of their own, whatever the command.
#include <gtest/gtest.h>

#include "support/run_cli.h"

namespace tessalin::test {
namespace {

class ExitCodes : public ::testing::Test {
protected:
    void SetUp() override {
        for (const std::string& front : {front_, other_}) {
            std::vector<std::string> args = {"new", "-o", front, "--front", "2", "--base", "1", "--module", "4"};
            if (front == other_) args.insert(args.end(), {"--module", "5"});
            ASSERT_EQ(RunCli(args).exitCode, 0);
        }
    }

    TempDir dir_;
    const std::string front_ = dir_.file("F01.PAR"), other_ = dir_.file("G01.PAR");
    const std::string missing_ = dir_.file("missing.par"), noFolder_ = dir_.file("no/such/folder/out");
};

TEST_F(ExitCodes, EachOutcomeHasItsOwnCode) {
    const struct {
        std::vector<std::string> args;
        int exitCode;
    } cases[] = {
        // The question commands: 0 yes, 1 no.
        {{"diff", "F", "F"}, 0},
        {{"diff", "F", "G"}, 1},
        {{"find", "F", "Calibration"}, 0},
        {{"find", "F", "xyzzy"}, 1},
        {{"check", "F", "M"}, 1},
        // Usage errors.
        {{"diff", "F"}, 2},
        {{"info", "F", "--bogus"}, 2},
        {{}, 2},
        {{"nosuch"}, 2},
        // A data set refused, by a question command too.
        {{"diff", "F", "M"}, 3},
        {{"find", "M", "zero"}, 3},
        {{"lint", "M"}, 3},
        {{"tree", "M"}, 3},
        {{"configure", "F", "--add", "28", "--add", "28", "--in-place"}, 3},
        // A file not written.
        {{"export", "F", "-o", "X.json"}, 4},
        {{"doc", "F", "--csv", "X.csv"}, 4},
        {{"new", "-o", "X.PAR", "--front", "2", "--base", "1"}, 4},
        {{"configure", "F", "--add", "5", "-o", "X.PAR"}, 4},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        for (std::string& a : args) {
            if (a == "F") a = front_;
            else if (a == "G") a = other_;
            else if (a == "M") a = missing_;
            else if (a.starts_with("X.")) a = noFolder_ + a.substr(1);
        }
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.exitCode, c.exitCode) << (args.empty() ? "" : args[0]) << " " << run.err;
    }
}

TEST_F(ExitCodes, EveryHelpNamesTheCodesItUses) {
    const CliRun list = RunCli({"--help"});
    ASSERT_EQ(list.exitCode, 0);
    EXPECT_NE(list.out.find("exit codes: 0 done"), std::string::npos) << list.out;
    for (const char* command : {"apply", "check", "configure", "diff", "doc", "export", "find", "info", "lint", "new",
                                "page", "plan", "press", "set", "tree"}) {
        const CliRun help = RunCli({command, "--help"});
        ASSERT_EQ(help.exitCode, 0) << command;
        const std::size_t at = help.out.find("Exit codes: 0 ");
        ASSERT_NE(at, std::string::npos) << command << "\n" << help.out;
        EXPECT_NE(help.out.find("2 usage error", at), std::string::npos) << command;
        const bool question = std::string_view(command) == "diff" || std::string_view(command) == "find" ||
                              std::string_view(command) == "lint" || std::string_view(command) == "check";
        EXPECT_EQ(help.out.find(", 1 ", at) != std::string::npos, question) << command << "\n" << help.out;
    }
}

}  // namespace
}  // namespace tessalin::test
