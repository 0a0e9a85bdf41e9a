// The data-set check on single planted values of a configured device: it reads only, it finds the values
// of the Purgon working rows, the front's calculation-block choices, the switching points and the program
// steps, it leaves alone what the analyser takes, it reports each value once in the row's own terms, and
// a repair names every other value it writes and never stamps a calibration.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "core/check/check.h"
#include "core/families/purgon/purgon.h"
#include "core/page/page_edit.h"
#include "core/settings/page_walk.h"
#include "core/settings/snapshot.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "support/check_findings.h"
#include "support/configured_device.h"

namespace tessalin {
namespace {

using check::Finding;
using check::FindingKind;

const test::DeviceRecipe kPhCondPurgon{{1, 4, 5, 79}, {"optLPAR"}};
const test::DeviceRecipe kTwoPh{{1, 3, 3}, {}};

long long BlockAt(int offset) { return static_cast<long long>(kPurgonOffset) + 100 + offset; }
constexpr long long kSlot1Fix = 0x0B20;  // the fixed part of slot [I]
constexpr long long kZero = kSlot1Fix + 13, kCalTime = kSlot1Fix + 102, kCalState = kSlot1Fix + 134;

void PutFloat(long long at, float value) {
    uint32_t u;
    std::memcpy(&u, &value, sizeof u);
    Ws().ParImage.setU32(at, u);
}

std::vector<Finding> OfKind(const std::vector<Finding>& findings, FindingKind kind) {
    std::vector<Finding> out;
    for (const Finding& f : findings)
        if (f.kind == kind) out.push_back(f);
    return out;
}

class CheckValues : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(test::Configure(kPhCondPurgon)); }

    // The check, with the stored images compared before and after: a check never writes.
    std::vector<Finding> CheckReadingOnly() {
        const ParImageBuffer before = Ws().ParImage;
        std::vector<Finding> findings = check::CheckDataSet();
        EXPECT_TRUE(Ws().ParImage == before) << "the check changed the image";
        return findings;
    }

    void WeekProgram() { Ws().ParImage.setU8(BlockAt(10), 2); }
    // Monday's switching point n: program, mode, start hh:mm; the point after it ends the day.
    void MondayPoint(int n, int program, int mode, int hour, int minute) {
        const long long at = BlockAt(100 + 100 * 2 + 8 * (n - 1));
        for (int i = 0; i < 16; ++i) Ws().ParImage.setU8(at + i, 0);
        Ws().ParImage.setU8(at, static_cast<uint8_t>(program));
        Ws().ParImage.setU8(at + 1, static_cast<uint8_t>(mode));
        Ws().ParImage.setU8(at + 2, static_cast<uint8_t>(minute));
        Ws().ParImage.setU8(at + 3, static_cast<uint8_t>(hour));
    }
};

TEST_F(CheckValues, AStepLabelShowingAMediumNameWritesNothingAndTheNameIsFound) {
    Ws().ParImage.setU8(BlockAt(2326), 2);  // port I: metering pump
    const char name[] = "Acid!x";
    for (int i = 0; i < 16; ++i) Ws().ParImage.setU8(BlockAt(2450 + i), i < 6 ? static_cast<uint8_t>(name[i]) : 0xB7);
    const long long step = BlockAt(800);  // program 1: step 1 runs the medium of port I, step 2 ends it
    for (int i = 0; i < 8; ++i) Ws().ParImage.setU8(step + i, 0);
    Ws().ParImage.setU8(step, 142);
    Ws().ParImage.setU8(step + 1, 10);
    Ws().ParImage.setU8(step + 3, 2);
    test::Redecode();
    const std::vector<Finding> findings = CheckReadingOnly();
    ASSERT_EQ(findings.size(), 1u) << test::Describe(findings);
    EXPECT_EQ(findings[0].kind, FindingKind::TextCharacters);
    EXPECT_EQ(findings[0].label, "Medium");
    EXPECT_EQ(findings[0].set, '-');
    EXPECT_EQ(check::FindingPlace(findings[0], 1).find("[set"), std::string::npos) << "Purgon values have no sets";
}

TEST_F(CheckValues, APurgonWorkingRowIsCheckedAndRepairedInItsByte) {
    Ws().ParImage.setU8(BlockAt(2302), 5);  // control-system bits: "Control" 5 is none of its choices
    test::Redecode();
    const std::vector<Finding> findings = CheckReadingOnly();
    ASSERT_EQ(findings.size(), 1u) << test::Describe(findings);
    EXPECT_EQ(findings[0].kind, FindingKind::ListCode);
    EXPECT_EQ(findings[0].set, '-');
    EXPECT_EQ(findings[0].stored, "5");
    const check::RepairReport report = check::RepairAll();
    EXPECT_TRUE(report.allRepaired()) << test::Describe(report.remaining);
    EXPECT_EQ(Ws().ParImage.u8(BlockAt(2302)), 1);
}

TEST_F(CheckValues, WhatTheAnalyserTakesIsNoFindingAndEachFaultIsReportedOnceInTheRowsTerms) {
    Ws().ParImage.setU8(BlockAt(2352), 3);  // port III with media of its own: steps 149 and 150 run them
    test::Redecode();
    EXPECT_EQ(test::Describe(CheckReadingOnly()), "");

    // Not a number in set A's half of the zero point, a row kept alike in both sets: one finding.
    ASSERT_TRUE(test::Configure(kPhCondPurgon));
    PutFloat(kZero, std::numeric_limits<float>::quiet_NaN());
    test::Redecode();
    std::vector<Finding> findings = CheckReadingOnly();
    ASSERT_EQ(findings.size(), 1u) << test::Describe(findings);
    EXPECT_EQ(findings[0].kind, FindingKind::NotANumber);

    // Halves that differ: both values as the row shows them, with format and unit.
    ASSERT_TRUE(test::Configure(kPhCondPurgon));
    PutFloat(kZero + static_cast<long long>(kSetBDistance), 3.043335f);
    test::Redecode();
    findings = CheckReadingOnly();
    ASSERT_EQ(findings.size(), 1u) << test::Describe(findings);
    EXPECT_EQ(findings[0].kind, FindingKind::SetsDiffer);
    EXPECT_EQ(findings[0].stored, "3.04 pH");
    EXPECT_EQ(findings[0].repair.substr(findings[0].repair.size() - 3), " pH") << findings[0].repair;
}

TEST_F(CheckValues, ARepairOfCalibrationDataStampsNothingAndListsEveryOtherValueItWrites) {
    PutFloat(kZero, std::numeric_limits<float>::quiet_NaN());
    PutFloat(kZero + static_cast<long long>(kSetBDistance), std::numeric_limits<float>::quiet_NaN());
    test::Redecode();
    const std::vector<Finding> findings = CheckReadingOnly();
    ASSERT_EQ(findings.size(), 1u) << test::Describe(findings);
    const ParImageBuffer before = Ws().ParImage;
    const check::RepairReport report = check::RepairAll();
    ASSERT_EQ(report.repaired.size(), 1u) << test::Describe(report.remaining);
    for (long long at : {kCalTime, kCalTime + 1, kCalTime + 2, kCalTime + 3, kCalState})
        EXPECT_EQ(Ws().ParImage.u8(at), before.u8(at)) << "byte " << at << ": the repair stamped a calibration";

    // What the check announced is what the repair wrote, and every byte it wrote besides the zero point
    // lies under one of the values listed.
    std::string announced, written;
    for (const check::ValueChange& c : findings[0].alsoChanges) announced += c.place + ": " + c.before + " -> " + c.after + "\n";
    for (const check::ValueChange& c : report.repaired[0].alsoChanges) written += c.place + ": " + c.before + " -> " + c.after + "\n";
    EXPECT_EQ(announced, written);
    bool other = false;
    for (long long i = 0; i < static_cast<long long>(kStoredImageEnd); ++i) {
        const bool own = (i >= kZero && i < kZero + 4) || (i >= kZero + 0x2000 && i < kZero + 0x2004);
        other = other || (!own && Ws().ParImage.u8(i) != before.u8(i));
    }
    EXPECT_EQ(other, !written.empty()) << written;
}

TEST_F(CheckValues, SwitchingPointsAndStepsOfThePurgonProgramsAreChecked) {
    WeekProgram();
    MondayPoint(1, 1, 0, 8, 0);  // mode 0: the editor offers 1 and 2
    MondayPoint(2, 1, 2, 9, 0);  // every 25.0 h from 09:00 to 10:00: the editor takes up to 24.0 h
    const long long interval = BlockAt(100 + 200 + 8 + 4);
    Ws().ParImage.setU8(interval, 0);
    Ws().ParImage.setU8(interval + 1, 10);
    Ws().ParImage.setU16(interval + 2, 250);
    // Program 1: no step function has the code 77; a wait of 10000 s; rinse water with monitoring 0.
    const uint8_t steps1[] = {77, 0, 0, 2, 8, 0x10, 0x27, 2, 3, 10, 0, 0, 0, 0, 0, 2};
    for (int i = 0; i < 16; ++i) Ws().ParImage.setU8(BlockAt(800 + i), steps1[i]);
    test::Redecode();
    const std::vector<Finding> findings = CheckReadingOnly();
    const std::vector<Finding> modes = OfKind(findings, FindingKind::ListCode);
    const std::vector<Finding> steps = OfKind(findings, FindingKind::Program);
    ASSERT_EQ(modes.size(), 1u) << test::Describe(findings);
    ASSERT_EQ(steps.size(), 4u) << test::Describe(findings);
    EXPECT_EQ(steps[1].stored, "10000 s");
    EXPECT_EQ(steps[2].stored, "0");
    EXPECT_EQ(steps[3].stored, "25.0 h");
    EXPECT_EQ(modes[0].row, 1);
    EXPECT_FALSE(modes[0].node.empty());
    // The program finding stands at its page and row, under the tree's own title of the program.
    const int programNode = NodeAtPath(steps[0].node);
    ASSERT_GE(programNode, 0) << test::Describe(steps);
    EXPECT_EQ(steps[0].path, NodeTitlePath(programNode));
    EXPECT_EQ(steps[0].path.find("Program 1"), std::string::npos) << steps[0].path;
    EXPECT_EQ(steps[0].row, 3);

    const check::RepairReport report = check::RepairAll();
    EXPECT_EQ(report.repaired.size(), 1u);
    EXPECT_EQ(Ws().ParImage.u8(BlockAt(100 + 200 + 1)), 1) << "the point starts once";
}

TEST_F(CheckValues, ANewSwitchingPointStartsOnAModeItsEditorOffers) {
    WeekProgram();
    MondayPoint(1, 0, 0, 0, 0);
    test::Redecode();
    ASSERT_GE(test::NodeOf(&MenuProbe[4]), 0);
    DeviceTreeChange(test::NodeOf(&MenuProbe[4]));
    PageModel page = BuildFormpage();
    const PageRow* program = page.find(0);
    ASSERT_NE(program, nullptr);
    int item = -1;
    for (std::size_t i = 0; i < program->items.size(); ++i)
        if (program->items[i].code == 1) item = static_cast<int>(i);
    ASSERT_GE(item, 0);
    CommitChoice(page, 0, item);
    EXPECT_EQ(Ws().ParImage.u8(BlockAt(100 + 200 + 1)), 1);
}

TEST_F(CheckValues, AValueItsPageCorrectsWhenShownIsFoundWithEverythingTheCorrectionWrites) {
    Ws().ParImage.setU8(8193, 1);           // brand 1, software A, without the Dolovan option
    Ws().ParImage.setU8(BlockAt(2303), 1);  // probe type Dolovan: the probe page makes it Vorlix
    Ws().ParImage.setU16(BlockAt(2304), 40);
    test::Redecode();
    const std::vector<Finding> findings = OfKind(CheckReadingOnly(), FindingKind::Corrected);
    ASSERT_EQ(findings.size(), 1u) << test::Describe(findings);
    EXPECT_EQ(findings[0].label, "Probe type");
    EXPECT_EQ(findings[0].stored, "1 Dolovan");
    EXPECT_EQ(findings[0].repair, "3 Vorlix");
    ASSERT_EQ(findings[0].alsoChanges.size(), 1u);
    EXPECT_EQ(findings[0].alsoChanges[0].before, "40 s");
    EXPECT_EQ(findings[0].alsoChanges[0].after, "15 s");
    check::RepairAll();
    EXPECT_EQ(Ws().ParImage.u8(BlockAt(2303)), 3);
    EXPECT_EQ(Ws().ParImage.u16(BlockAt(2304)), 15);
    EXPECT_TRUE(OfKind(check::CheckDataSet(), FindingKind::Corrected).empty());
}

TEST(CheckCalcBlocks, AFrontBlockChoiceNamingABlockTheDeviceLacksIsFoundAndSwitchedOff) {
    ASSERT_TRUE(test::Configure(kTwoPh));
    constexpr long long kBlock1Choice = 0x40 + 77;
    Ws().ParImage.setU8(kBlock1Choice, 1);  // "Calc pH" over [I] and [II]; the slot table has no block
    test::Redecode();
    ASSERT_EQ(Ws().Device.CalcBlock[0].Code, 0);
    const ParImageBuffer before = Ws().ParImage;
    const std::vector<Finding> findings = check::CheckDataSet();
    EXPECT_TRUE(Ws().ParImage == before);
    ASSERT_EQ(findings.size(), 1u) << test::Describe(findings);
    EXPECT_EQ(findings[0].kind, FindingKind::ListCode);
    EXPECT_EQ(findings[0].repair.substr(0, 2), "0 ") << findings[0].repair;
    check::RepairAll();
    EXPECT_EQ(Ws().ParImage.u8(kBlock1Choice), 0);
}

TEST(CheckTexts, CountsAndPlacesSpeakTheUserInterfaceLanguage) {
    struct Case {
        std::size_t n;
        int ui;
        const char* findings;
        const char* repairs;
    };
    for (const Case& c : {Case{0, 0, "keine Befunde", "keine Reparaturen"}, Case{1, 0, "1 Befund", "1 Reparatur"},
                          Case{8, 0, "8 Befunde", "8 Reparaturen"}, Case{0, 1, "no findings", "no repairs"},
                          Case{1, 1, "1 finding", "1 repair"}, Case{8, 1, "8 findings", "8 repairs"}}) {
        EXPECT_EQ(check::CountFindings(c.n, c.ui), c.findings);
        EXPECT_EQ(check::CountRepairs(c.n, c.ui), c.repairs);
    }
    Finding f;
    f.row = 4;
    EXPECT_EQ(check::FindingRowText(f, 0), "(Zeile 4)");
    EXPECT_EQ(check::FindingRowText(f, 1), "(row 4)");

    // An identity finding of a slot: "Slot [I] > ..." with one blank.
    ASSERT_TRUE(test::Configure(kPhCondPurgon));
    Ws().ParImage.setU8(37, 7);  // the record index of slot [I]
    const std::vector<Finding> findings = check::CheckDataSet();
    ASSERT_FALSE(findings.empty());
    EXPECT_NE(check::FindingPlace(findings[0], 1).find("Slot [I] > "), std::string::npos) << check::FindingPlace(findings[0], 1);
}

}  // namespace
}  // namespace tessalin
