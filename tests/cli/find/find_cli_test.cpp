// tessalin-cli find: the hits of a text with their node, row and "PATH > Label: value unit", as text and
// as JSON; exit 0 with hits, 1 without, 2 on a usage error.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>

#include "support/run_cli.h"

namespace tessalin::test {
namespace {

class FindCli : public ::testing::Test {
protected:
    void SetUp() override {
        front_ = dir_.file("in.par");
        const CliRun made = RunCli({"new", "-o", front_, "--front", "2", "--base", "1", "--module", "4", "--sw", "9"});
        ASSERT_EQ(made.exitCode, 0) << made.err;
    }
    TempDir dir_;
    std::string front_;
};

TEST_F(FindCli, PrintsEveryHitWithItsNodeAndRow) {
    const CliRun found = RunCli({"find", front_, "ZERO"});
    EXPECT_EQ(found.exitCode, 0) << found.err;
    EXPECT_NE(found.out.find("\t3\t[I] PHS 2400 > Calibration data > Zero: 7.00 pH\n"), std::string::npos) << found.out;
    EXPECT_NE(found.out.find("\t-\t[I] PHS 2400 > Sensor data > Sensor monitoring details > Zero\n"), std::string::npos)
        << found.out;

    const CliRun german = RunCli({"find", front_, "nullpunkt", "--lang", "0", "--set", "B", "--json"});
    ASSERT_EQ(german.exitCode, 0) << german.err;
    const nlohmann::json hits = nlohmann::json::parse(german.out);
    ASSERT_TRUE(hits.is_array());
    ASSERT_FALSE(hits.empty());
    const auto zero = std::find_if(hits.begin(), hits.end(), [](const nlohmann::json& h) { return h["row"] == 3; });
    ASSERT_NE(zero, hits.end()) << german.out;
    EXPECT_EQ((*zero)["set"], "B");
    EXPECT_EQ((*zero)["label"], "Nullpunkt");
    EXPECT_EQ((*zero)["value"], "7.00");
    EXPECT_EQ((*zero)["unit"], "pH");
    EXPECT_EQ((*zero)["text"], "[I] PHS 2400 > Kalibrierdaten > Nullpunkt: 7.00 pH");
    const std::string node = (*zero)["node"];
    EXPECT_EQ(RunCli({"page", front_, "--node", node, "--lang", "0"}).out.find("Title: Kalibrierdaten"), 0u);
}

TEST_F(FindCli, ExitCodesSayWhetherAnythingWasFound) {
    const struct {
        std::vector<std::string> args;
        int exitCode;
    } cases[] = {
        {{"find", "FRONT", "xyzzy"}, 1},
        {{"find", "FRONT", "xyzzy", "--json"}, 1},
        {{"find", "FRONT"}, 2},
        {{"find", "FRONT", "zero", "--set", "C"}, 2},
        {{"find", "FRONT", "zero", "--lang", "9"}, 2},
        {{"find", "FRONT", "PURGON", "THIRD", "zero"}, 2},
        {{"find", "--help"}, 0},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        for (std::string& a : args) a = a == "FRONT" ? front_ : a;
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.exitCode, c.exitCode) << args.back() << "\n" << run.err;
    }
    EXPECT_EQ(RunCli({"find", front_, "xyzzy", "--json"}).out, "[]\n");
    EXPECT_NE(RunCli({"find", "--help"}).out.find("usage: tessalin-cli find FRONT [PURGON] TEXT"), std::string::npos);
    EXPECT_EQ(RunCli({"find", dir_.file("missing.par"), "zero"}).exitCode, 3);
}

}  // namespace
}  // namespace tessalin::test
