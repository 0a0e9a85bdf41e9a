#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/compare/compare.h"
#include "support/configured_edits.h"

namespace tessalin {
namespace {

using test::Configure;
using test::DeviceRecipe;

const DeviceRecipe kDemo{{1, 4, 5, 79}, {"optLPAR"}};
const std::string kFilter = "[I] PHS 2400 > Input filter";
const std::string kInterval = "[I] PG 2400 > Fixed interval";

Snapshot Take(const DeviceRecipe& recipe) {
    EXPECT_TRUE(Configure(recipe));
    return TakeSnapshot(SetChoice::Both);
}

// Commits a list item by its text or a number on the page at `path` in `set`, then takes the snapshot.
Snapshot TakeEdited(const DeviceRecipe& recipe, const std::string& path, char set, int row, const std::string& value) {
    EXPECT_TRUE(Configure(recipe));
    test::CommitValue(path, set, row, value);
    return TakeSnapshot(SetChoice::Both);
}

std::string Lines(const std::vector<Difference>& differences) {
    std::string out;
    for (const Difference& d : differences) out += DescribeDifference(d) + "\n";
    return out;
}

TEST(Compare, IdenticalDataSetsHaveNoDifference) {
    const Snapshot a = Take(kDemo);
    EXPECT_EQ(Lines(CompareSnapshots(a, Take(kDemo))), "");
}

TEST(Compare, EachChangeIsReportedOnceAtItsLevel) {
    const Snapshot base = Take(kDemo);
    const struct {
        const char* what;
        Snapshot changed;
        std::string line;
    } cases[] = {
        // A value kept once for both sets: one difference, not one per set.
        {"interval", TakeEdited(kDemo, kInterval, 'A', 1, "12"), kInterval + " > Interval: 24.0 \u2192 12.0 h"},
        {"set B only", TakeEdited(kDemo, kFilter, 'B', 0, "On"), kFilter + " > Pulse suppression [set B]: Off \u2192 On"},
        // The option is one difference; the front unit's recorder pages that it opens are listed as pages.
        {"option", Take({{1, 4, 5, 79}, {"optLPAR", "optMREC"}}),
         "Hardware > Front unit > optMREC: off \u2192 on\n"
         "FU 2400 > Meas. recorder: page only in the second data set\n"
         "FU 2400 > Meas. recorder > Channel 1: page only in the second data set\n"
         "FU 2400 > Meas. recorder > Channel 2: page only in the second data set"},
        {"replaced module", Take({{1, 4, 6, 79}, {"optLPAR"}}), "Hardware > Slot [II]: COND 2400 (5) \u2192 CONDI 2400 (6)"},
    };
    for (const auto& c : cases) {
        const std::vector<Difference> differences = CompareSnapshots(base, c.changed);
        EXPECT_EQ(Lines(differences), c.line + "\n") << c.what;
    }
    // What an empty slot's identity record still holds from before is no difference. The module's pages are
    // not compared row by row; what the front unit shows of it (its main value, the blocks it allows) is.
    const Snapshot condI = Take({{1, 6, 5}, {}});
    EXPECT_EQ(Lines(CompareSnapshots(condI, Take({{1, 4, 5}, {}}))),
              "Hardware > Slot [I]: CONDI 2400 (6) \u2192 PHS 2400 (4)\n"
              "FU 2400 > Measurement display > 1st main value: [I] S/cm \u2192 [I] pH\n"
              "FU 2400 > Measurement display > Display format: (not shown) \u2192 xx.xx pH\n"
              "FU 2400 > System control > Calculation-Blocks: page only in the first data set\n");
}

TEST(Compare, RowsAndPagesOnlyInOneAreReportedAsSuch) {
    Snapshot a = Take(kDemo);
    Snapshot b = a;
    b.pages[0].rows.erase(b.pages[0].rows.begin());
    b.pages.erase(b.pages.begin() + 2);
    const std::vector<Difference> differences = CompareSnapshots(a, b);
    ASSERT_EQ(differences.size(), 2u) << Lines(differences);
    EXPECT_EQ(differences[0].level, DifferenceLevel::Row);
    EXPECT_EQ(differences[0].presence, Presence::FirstOnly);
    EXPECT_NE(DescribeDifference(differences[0]).find("\u2192 (not shown)"), std::string::npos);
    EXPECT_EQ(differences[1].level, DifferenceLevel::Page);
    EXPECT_EQ(DescribeDifference(CompareSnapshots(b, a)[1]).find("only in the second data set") != std::string::npos, true);
    // The window's German lines.
    EXPECT_NE(DescribeDifference(differences[0], 0).find("\u2192 (nicht angezeigt)"), std::string::npos);
    EXPECT_NE(DescribeDifference(CompareSnapshots(b, a)[1], 0).find(": Seite nur im zweiten Datensatz"), std::string::npos);
}

}  // namespace
}  // namespace tessalin
