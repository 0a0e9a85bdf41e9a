// lint through the real binary: the demo data set has no findings; a damaged copy gives exactly the
// planted findings, --fix repairs them all and changes no byte that was not planted; what it cannot
// repair leaves every file as it was.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <vector>

#include "core/data_set/checksum.h"
#include "core/device/load_data_set.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "support/planted_faults.h"
#include "support/run_cli.h"

namespace tessalin::test {
namespace {

const std::vector<std::string> kDemoRecipe = {"--front", "2", "--sw", "9", "--base", "1", "--module", "4", "--module", "5",
                                              "--purgon", "79", "--option", "optLPAR", "--option", "optKONZ"};

class Lint : public ::testing::Test {
protected:
    // A copy of the loaded data set with `faults` planted (checksums fixed).
    void MakeDamaged(const std::vector<PlantedFault>& faults) {
        ParImageBuffer image = Ws().ParImage;
        for (const PlantedFault& fault : faults) Plant(image, fault);
        StoreFreshCrc(image, ImageKind::Front);
        StoreFreshCrc(image, ImageKind::Purgon);
        WriteImageFile(damagedFront_, image, 0, kFrontSize);
        WriteImageFile(damagedPurgon_, image, kPurgonOffset, kPurgonSize);
    }

    // Makes a data set with `new` and the demo's recipe and loads it into this process, to find the places
    // of the faults.
    std::vector<PlantedFault> LoadAndFind(bool programs) {
        std::vector<std::string> args = {"new", "-o", front_, purgon_};
        args.insert(args.end(), kDemoRecipe.begin(), kDemoRecipe.end());
        EXPECT_EQ(RunCli(args).exitCode, 0);
        ResetWorkspace();
        EXPECT_TRUE(LoadDataSet(front_, purgon_).ok());
        SelectLanguage(1);
        EXPECT_TRUE(BuildDeviceTree());
        return programs ? ProgramFaults() : RepairableFaults();
    }

    // Offsets into the pair at which `a` and `b` differ, other than the checksums and the planted bytes.
    static std::string UnplantedDifferences(const std::string& aFront, const std::string& aPurgon, const std::string& bFront,
                                            const std::string& bPurgon, const std::vector<PlantedFault>& faults) {
        std::vector<uint8_t> a = ReadWholeFile(aFront), b = ReadWholeFile(bFront);
        const std::vector<uint8_t> ap = ReadWholeFile(aPurgon), bp = ReadWholeFile(bPurgon);
        a.insert(a.end(), ap.begin(), ap.end());
        b.insert(b.end(), bp.begin(), bp.end());
        if (a.size() != b.size()) return "sizes differ";
        std::string out;
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (a[i] == b[i] || i < 2 || i == kFrontSize || i == kFrontSize + 1) continue;
            bool planted = false;
            for (const PlantedFault& fault : faults)
                for (const auto& [at, value] : fault.bytes) planted = planted || static_cast<std::size_t>(at) == i;
            if (!planted) out += std::to_string(i) + " ";
        }
        return out;
    }

    TempDir dir_;
    const std::string front_ = dir_.file("NEW01.PAR"), purgon_ = dir_.file("NEW02.PAR");
    const std::string damagedFront_ = dir_.file("BAD01.PAR"), damagedPurgon_ = dir_.file("BAD02.PAR");
    const std::string fixedFront_ = dir_.file("FIX01.PAR"), fixedPurgon_ = dir_.file("FIX02.PAR");
};

TEST_F(Lint, TheDemoDataSetHasNoFindings) {
    const std::string demo = std::string(TESSALIN_EXAMPLES_DIR) + "/demo/";
    const CliRun run = RunCli({"lint", demo + "BACKUP01.PAR", demo + "BACKUP02.PAR"});
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_EQ(run.out, "no findings\n");
}

TEST_F(Lint, ADamagedCopyGivesThePlantedFindingsAndFixRepairsOnlyThem) {
    const std::vector<PlantedFault> faults = LoadAndFind(false);
    MakeDamaged(faults);

    const CliRun listed = RunCli({"lint", damagedFront_, damagedPurgon_, "--json"});
    EXPECT_EQ(listed.exitCode, 1) << listed.err;
    const auto json = nlohmann::json::parse(listed.out);
    ASSERT_EQ(json["findings"].size(), faults.size()) << listed.out;
    for (const auto& f : json["findings"]) EXPECT_FALSE(f["repair"].get<std::string>().empty()) << f.dump();

    const CliRun dry = RunCli({"lint", damagedFront_, damagedPurgon_, "--fix", "--dry-run"});
    EXPECT_EQ(dry.exitCode, 0) << dry.out << dry.err;
    EXPECT_NE(dry.out.find("dry run, nothing written"), std::string::npos) << dry.out;

    const CliRun fixed = RunCli({"lint", damagedFront_, damagedPurgon_, "--fix", "-o", fixedFront_, fixedPurgon_});
    EXPECT_EQ(fixed.exitCode, 0) << fixed.out << fixed.err;
    EXPECT_NE(fixed.out.find(std::to_string(faults.size()) + " repairs, no findings left; written"), std::string::npos)
        << fixed.out;

    const CliRun again = RunCli({"lint", fixedFront_, fixedPurgon_});
    EXPECT_EQ(again.exitCode, 0) << again.out;
    EXPECT_EQ(UnplantedDifferences(damagedFront_, damagedPurgon_, fixedFront_, fixedPurgon_, faults), "");
}

TEST_F(Lint, WhatCannotBeRepairedIsReportedAndNothingIsWritten) {
    const std::vector<PlantedFault> faults = LoadAndFind(true);
    MakeDamaged(faults);
    const auto before = ReadWholeFile(damagedPurgon_);

    const CliRun listed = RunCli({"lint", damagedFront_, damagedPurgon_});
    EXPECT_EQ(listed.exitCode, 1);
    EXPECT_NE(listed.out.find("3 findings"), std::string::npos) << listed.out;
    EXPECT_NE(listed.out.find("no repair"), std::string::npos) << listed.out;

    const CliRun inPlace = RunCli({"lint", damagedFront_, damagedPurgon_, "--fix", "--in-place"});
    EXPECT_EQ(inPlace.exitCode, 1) << inPlace.out;
    EXPECT_NE(inPlace.out.find("nothing written"), std::string::npos) << inPlace.out;
    EXPECT_EQ(ReadWholeFile(damagedPurgon_), before);
    const CliRun toFiles = RunCli({"lint", damagedFront_, damagedPurgon_, "--fix", "-o", fixedFront_, fixedPurgon_});
    EXPECT_EQ(toFiles.exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(fixedFront_));
}

TEST_F(Lint, UsageErrorsWriteNothing) {
    LoadAndFind(false);
    struct Case {
        std::vector<std::string> args;
        const char* why;
    };
    const std::vector<Case> cases = {
        {{"lint"}, "no data set"},
        {{"lint", front_, purgon_, "--fix"}, "--fix without a place to write"},
        {{"lint", front_, purgon_, "-o", fixedFront_}, "-o without --fix"},
        {{"lint", front_, purgon_, "--fix", "--in-place", "-o", fixedFront_, fixedPurgon_}, "both -o and --in-place"},
        {{"lint", front_, purgon_, "--frobnicate"}, "unknown option"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.why << ": " << run.out << run.err;
        EXPECT_FALSE(std::filesystem::exists(fixedFront_)) << c.why;
    }
}

TEST_F(Lint, TheDocumentationEndsWithTheFindingsWhenAsked) {
    const std::vector<PlantedFault> faults = LoadAndFind(true);
    MakeDamaged(faults);
    const CliRun plain = RunCli({"doc", damagedFront_, damagedPurgon_});
    EXPECT_EQ(plain.out.find("Check of the data set"), std::string::npos);
    const CliRun withFindings = RunCli({"doc", damagedFront_, damagedPurgon_, "--findings"});
    EXPECT_EQ(withFindings.exitCode, 0) << withFindings.err;
    const std::size_t section = withFindings.out.find("[Check of the data set]");
    ASSERT_NE(section, std::string::npos) << withFindings.out;
    EXPECT_NE(withFindings.out.find("Step 01", section), std::string::npos) << withFindings.out.substr(section);
    EXPECT_NE(withFindings.out.find("Monday", section), std::string::npos) << withFindings.out.substr(section);

    // Without findings the section's heading says so, and no line stands empty behind a colon.
    const CliRun clean = RunCli({"doc", front_, purgon_, "--findings"});
    EXPECT_NE(clean.out.find("[Check of the data set: no findings]"), std::string::npos) << clean.out;
    EXPECT_EQ(clean.out.find("no findings: "), std::string::npos);
}

TEST_F(Lint, FixRepairsWhatCanBeRepairedAndListsWhatIsLeft) {
    const std::vector<PlantedFault> faults = LoadAndFind(false);
    const std::vector<PlantedFault> programs = ProgramFaults();
    std::vector<PlantedFault> all = faults;
    all.insert(all.end(), programs.begin(), programs.end());
    MakeDamaged(all);

    const CliRun fixed = RunCli({"lint", damagedFront_, damagedPurgon_, "--fix", "-o", fixedFront_, fixedPurgon_});
    EXPECT_EQ(fixed.exitCode, 1) << fixed.out << fixed.err;  // findings are left
    EXPECT_NE(fixed.out.find("not repaired "), std::string::npos) << fixed.out;
    EXPECT_NE(fixed.out.find(" repairs, 3 findings left; written"), std::string::npos) << fixed.out;
    const CliRun again = RunCli({"lint", fixedFront_, fixedPurgon_, "--json"});
    EXPECT_EQ(nlohmann::json::parse(again.out)["findings"].size(), programs.size()) << again.out;
}

TEST_F(Lint, TheTextsFollowTheLanguage) {
    const std::vector<PlantedFault> faults = LoadAndFind(true);
    MakeDamaged(faults);
    const CliRun german = RunCli({"lint", damagedFront_, damagedPurgon_, "--lang", "0"});
    EXPECT_EQ(german.exitCode, 1);
    for (const char* word : {"vom Analysator abgelehnt: ", "(Zeile ", "3 Befunde\n", "keine Reparatur"})
        EXPECT_NE(german.out.find(word), std::string::npos) << word << "\n" << german.out;
    for (const char* word : {"refused:", "(row ", "findings", "[set A]", "[Satz A]", "  >"})
        EXPECT_EQ(german.out.find(word), std::string::npos) << word << "\n" << german.out;
}

}  // namespace
}  // namespace tessalin::test
