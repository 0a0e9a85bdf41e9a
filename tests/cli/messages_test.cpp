// Messages that say what happened: a wrong argument is named as what it is, a correction is told as the
// row shows it, and reports print whole.
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/run_cli.h"

namespace tessalin::test {
namespace {

class Messages : public ::testing::Test {
protected:
    void SetUp() override {
        // An oxygen-traces module: concentration limits in µg/l or mg/l, a membrane correction without unit.
        ASSERT_EQ(RunCli({"new", "-o", front_, "--front", "2", "--base", "1", "--module", "26"}).exitCode, 0);
    }

    TempDir dir_;
    const std::string front_ = dir_.file("F01.PAR"), out_ = dir_.file("O01.PAR");
};

TEST_F(Messages, ArgumentsAreNamedAsWhatTheyAre) {
    const struct {
        std::vector<std::string> args;
        const char* message;
        int exitCode = 2;
    } cases[] = {
        {{"set", "F", "--node", "2/2", "--row", "3a", "--value", "1", "-o", "O"}, "'3a' is not a row number"},
        {{"set", "F", "--node", "2/2", "--value", "1", "-o", "O"}, "--row R is required"},
        {{"press", "F", "--node", "2/2", "--row", "5", "--button", "x", "-o", "O"}, "'x' is not a button number"},
        {{"set", "F", "-x", "--node", "2/2", "--row", "5", "--value", "1", "-o", "O"}, "unknown option -x"},
        {{"tree", "F", "-x"}, "unknown option -x"},
        {{"set", "F", "--node", "2/2", "--row", "5", "--row", "4", "--value", "1", "-o", "O"},
         "option --row is given more than once"},
        {{"set", "F", "--node", "2/2", "--row", "5", "--value", "1", "-o", "O", "-o", "O"}, "-o is given more than once"},
        {{"find", "F", ""}, "TEXT is empty"},
        {{"find", "F"}, "FRONT and TEXT are required"},
        {{"configure", "F", "--option", "optDOLOVAN", "--in-place"}, "option optDOLOVAN is never offered", 3},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        for (std::string& a : args) a = a == "F" ? front_ : a == "O" ? out_ : a;
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.message << ": " << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(out_));
}

// A correction is told as the row shows the value stored: in the unit it chooses, without a blank where
// the row has no unit.
TEST_F(Messages, ACorrectionIsToldAsTheRowShowsIt) {
    ASSERT_EQ(RunCli({"set", front_, "--node", "2/6/2", "--row", "0", "--value", "3", "--in-place"}).exitCode, 0);
    const CliRun limit = RunCli({"set", front_, "--node", "2/6/2", "--row", "1", "--value", "20000000", "-o", out_});
    ASSERT_EQ(limit.exitCode, 0) << limit.err;
    EXPECT_NE(limit.out.find("corrected to 999.9 mg/l\nstored: 999.9 mg/l\n"), std::string::npos) << limit.out;

    ASSERT_EQ(RunCli({"set", front_, "--node", "2/2", "--row", "3", "--value", "Other", "--in-place"}).exitCode, 0);
    const CliRun plain = RunCli({"set", front_, "--node", "2/2", "--row", "5", "--value", "0.95", "-o", out_});
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    EXPECT_NE(plain.out.find("stored: 0.95\n"), std::string::npos) << plain.out;
}

// apply's report prints a value with a NUL byte whole; a settings file that is no UTF-8 is refused with
// a message that is.
TEST_F(Messages, ApplyReportsWholeValuesAndWholeCharacters) {
    const CliRun exported = RunCli({"export", front_, "--set", "A"});
    ASSERT_EQ(exported.exitCode, 0);
    std::string text = exported.out;
    const std::string field = "\"label\": \"Measurement point\",\n          \"value\": \"\"";
    const std::size_t at = text.find(field);
    ASSERT_NE(at, std::string::npos) << text.substr(0, 2000);
    const std::string settings = dir_.file("S.json");
    std::ofstream(settings) << text.replace(at + field.size() - 1, 0, "AB\\u0000CD");
    const CliRun run = RunCli({"apply", front_, settings, "--dry-run"});
    EXPECT_NE(run.out.find(std::string("Measurement point [set A]: AB") + '\0' + "CD"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("dry run, nothing written\n"), std::string::npos) << run.out;

    std::ofstream(settings) << text.replace(at + field.size() - 1, 10, "AB\xC3");
    const CliRun broken = RunCli({"apply", front_, settings, "--dry-run"});
    EXPECT_EQ(broken.exitCode, 3);
    EXPECT_NE(broken.err.find("AB\\xC3"), std::string::npos) << broken.err;
    EXPECT_EQ(broken.err.find('\xC3'), std::string::npos) << broken.err;
}

// A folder that takes no new file is named as the cause of a failed save. Root writes into any folder,
// so the case needs another user.
TEST_F(Messages, AFolderThatIsNotWritableIsNamed) {
    if (geteuid() == 0) {
        std::printf("a folder without write permission not tried here: running as root, where permissions do not bite\n");
        return;
    }
    const std::string folder = dir_.file("locked");
    std::filesystem::create_directory(folder);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const CliRun run = RunCli({"new", "-o", folder + "/N.PAR", "--front", "2", "--base", "1"});
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_NE(run.err.find("the folder " + folder + " is not writable"), std::string::npos) << run.err;
}

// The picture program says when it could not load the data set, rather than that it could not write.
TEST_F(Messages, ThePictureProgramSaysItCouldNotLoadTheDataSet) {
    const std::string painter = std::filesystem::path(TESSALIN_CLI_PATH).parent_path() / "tessalin-plan-painter";
    const std::string command = ShellQuote(painter) + " " + ShellQuote(dir_.file("none.par")) + " '' 2 " +
                                ShellQuote(dir_.file("p.png")) + " 2>" + ShellQuote(dir_.file("err"));
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3);
    const auto err = ReadWholeFile(dir_.file("err"));
    EXPECT_NE(std::string(err.begin(), err.end()).find("none.par refused: LoadError 4096"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir_.file("p.png")));
}

}  // namespace
}  // namespace tessalin::test
