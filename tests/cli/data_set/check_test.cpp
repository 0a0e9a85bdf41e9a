#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/run_cli.h"
#include "support/image_builder.h"

namespace tessalin {
namespace {

using test::ImageBuilder;
using test::RunCli;
using test::TempDir;

// Only the plan command draws a picture, and only --xlsx writes a workbook; every other command runs
// without the toolkit's libraries and the workbook library, so that a folder of backups is checked or
// documented quickly, also on a machine without a display.
TEST(CliCheck, CommandsLoadNoToolkitAndNoWorkbookLibraryUnlessTheyNeedIt) {
    TempDir dir;
    const auto [front, purgon] = ImageBuilder().purgon().writeFiles(dir);
    const std::vector<std::vector<std::string>> commands = {
        {"--version"},
        {"check", front, purgon},
        {"info", front, purgon, "--json"},
        {"tree", front, purgon},
        {"doc", front, purgon, "--pdf", dir.file("doc.pdf")},
    };
    setenv("LD_DEBUG", "libs", 1);  // the dynamic loader names every library it loads on standard error
    for (const auto& command : commands) {
        const auto run = RunCli(command);
        EXPECT_EQ(run.exitCode, 0) << command[0];
        EXPECT_NE(run.err.find("libc.so"), std::string::npos) << command[0] << ": the loader named no library";
        EXPECT_EQ(run.err.find("libQt"), std::string::npos) << command[0] << " loads the toolkit";
        EXPECT_EQ(run.err.find("libxlsxwriter"), std::string::npos) << command[0] << " loads the workbook library";
    }
    const auto workbook = RunCli({"doc", front, purgon, "--xlsx", dir.file("doc.xlsx")});
    EXPECT_EQ(workbook.exitCode, 0);
    EXPECT_NE(workbook.err.find("libxlsxwriter"), std::string::npos) << "the loader names what it loads";
    unsetenv("LD_DEBUG");
}

TEST(CliCheck, OneLinePerDataSetAndExitOneWhenAnyIsRefused) {
    TempDir dir;
    const auto [front, purgon] = ImageBuilder().purgon().writeFiles(dir, "a01.par", "a02.par");
    const auto [single, none] = ImageBuilder().variant('P').writeFiles(dir, "b.set");
    ParImageBuffer broken = ImageBuilder().purgon().build();
    broken.setU8(16384 + 50, 1);
    test::WriteImageFile(dir.file("c01.par"), broken, 0, kFrontSize);
    test::WriteImageFile(dir.file("c02.par"), broken, kPurgonOffset, kPurgonSize);
    test::WriteImageFile(dir.file("d.par"), ImageBuilder().variant('b').build(), 0, kFrontSize);

    const auto all = RunCli({"check", front, purgon, single, dir.file("c01.par"), dir.file("c02.par"),
                             dir.file("d.par"), dir.file("missing.par")});
    EXPECT_EQ(all.exitCode, 1);
    EXPECT_EQ(all.out, front + " / " + purgon + ": OK\n" +                                        //
                           single + ": OK\n" +                                                     //
                           dir.file("c01.par") + " / " + dir.file("c02.par") +                     //
                           ": 1024 checksum mismatch (" + dir.file("c02.par") + ")\n" +           //
                           dir.file("d.par") + ": 8192 file variant of another device software\n" +  //
                           dir.file("missing.par") +
                           ": 4096 the file cannot be opened for reading (No such file or directory)\n");

    const auto good = RunCli({"check", front, purgon, single});
    EXPECT_EQ(good.exitCode, 0);

    const auto json = RunCli({"check", "--json", dir.file("d.par")});
    EXPECT_EQ(json.exitCode, 1);
    EXPECT_NE(json.out.find("\"code\": 8192"), std::string::npos) << json.out;

    EXPECT_EQ(RunCli({"check"}).exitCode, 2);
    EXPECT_EQ(RunCli({"check", "--bogus", front}).exitCode, 2);
}

}  // namespace
}  // namespace tessalin
