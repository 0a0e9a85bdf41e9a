#include <gtest/gtest.h>

#include "support/run_cli.h"
#include "support/image_builder.h"

namespace tessalin {
namespace {

using test::ImageBuilder;
using test::RunCli;
using test::TempDir;

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
