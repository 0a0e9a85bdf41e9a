// Comparing the loaded data set with a second one held beside it: the loaded one stays as it is, the
// differences follow edits and the language, and they lead to the right tree nodes and page rows.
#include <gtest/gtest.h>

#include <string>

#include "core/compare/comparison.h"
#include "core/device/load_data_set.h"
#include "support/compared_data_sets.h"

namespace tessalin {
namespace {

using test::kComparedFilter;
using test::kComparedInterval;

class ComparisonTest : public ::testing::Test {
protected:
    // The first data set of the pair is loaded.
    void SetUp() override {
        files_ = test::WriteComparedDataSets(dir_);
        ASSERT_TRUE(LoadDataSet(files_.front, files_.purgon).ok());
        SelectLanguage(1);
        BuildDeviceTree();
    }

    ComparisonOpening OpenOther() {
        return Comparison::Open(files_.otherFront, files_.otherPurgon, SetChoice::Both);
    }
    int Node(const std::string& path) { return NodesByTitlePath().at(path); }

    test::TempDir dir_;
    test::ComparedDataSets files_;
};

TEST_F(ComparisonTest, LeadsToTheNodesAndRowsAndLeavesTheLoadedDataSetAsItWas) {
    DeviceTreeChange(Node(kComparedFilter));
    const ParImageBuffer image = Ws().ParImage;
    const int selected = Ws().Tree.selected;

    ComparisonOpening opening = OpenOther();
    ASSERT_TRUE(opening.comparison);
    const Comparison& comparison = *opening.comparison;
    ASSERT_EQ(comparison.Differences().size(), 2u);
    EXPECT_TRUE(Ws().ParImage == image);
    EXPECT_EQ(Ws().FrontFileName, files_.front);
    EXPECT_EQ(Ws().Tree.selected, selected);
    EXPECT_FALSE(Ws().Modified);

    const std::map<int, int> counts = DifferenceCounts(comparison.Differences());
    EXPECT_EQ(counts.at(Node(kComparedFilter)), 1);
    EXPECT_EQ(counts.at(Node(kComparedInterval)), 1);
    EXPECT_EQ(counts.at(Node("[I] PHS 2400")), 1);
    EXPECT_EQ(counts.count(Node("FU 2400")), 0u);

    // The set-B-only difference marks its row in set B only; the interval's in both sets.
    EXPECT_EQ(RowDifferences(comparison.Differences(), Node(kComparedFilter), true).count(0), 1u);
    EXPECT_TRUE(RowDifferences(comparison.Differences(), Node(kComparedFilter), false).empty());
    const auto interval = RowDifferences(comparison.Differences(), Node(kComparedInterval), false);
    ASSERT_EQ(interval.count(1), 1u);
    EXPECT_EQ(interval.at(1)->after, "12.0");
}

TEST_F(ComparisonTest, FollowsEditsAndTheLanguage) {
    ComparisonOpening opening = OpenOther();
    ASSERT_TRUE(opening.comparison);
    Comparison& comparison = *opening.comparison;
    EXPECT_FALSE(comparison.Refresh());

    // The user makes the loaded data set's filter like the second one's: one difference is left.
    test::CommitValue(kComparedFilter, 'B', 0, "On");
    EXPECT_TRUE(comparison.Refresh());
    ASSERT_EQ(comparison.Differences().size(), 1u);
    EXPECT_EQ(DescribeDifference(comparison.Differences()[0]), kComparedInterval + " > Interval: 24.0 \u2192 12.0 h");

    // Both data sets speak the new language.
    SelectLanguage(0);
    BuildDeviceTree();
    EXPECT_TRUE(comparison.Refresh());
    ASSERT_EQ(comparison.Differences().size(), 1u);
    EXPECT_EQ(comparison.Differences()[0].label, "Intervall");
    EXPECT_GE(DifferenceNodes(comparison.Differences())[0], 0);
}

TEST_F(ComparisonTest, ARefusedDataSetGivesNoComparison) {
    const ParImageBuffer image = Ws().ParImage;
    const ComparisonOpening missing = Comparison::Open(dir_.file("NONE.PAR"), "", SetChoice::Both);
    EXPECT_FALSE(missing.comparison);
    EXPECT_EQ(missing.load.code, 4096);
    EXPECT_TRUE(Ws().ParImage == image);
    EXPECT_EQ(Ws().FrontFileName, files_.front);
    EXPECT_FALSE(Ws().Tree.nodes.empty());
}

}  // namespace
}  // namespace tessalin
