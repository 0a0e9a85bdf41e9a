// Comparing the loaded data set with a second one held beside it: the loaded one stays as it is, the
// differences follow edits and the language, and they lead to the right tree nodes and page rows.
#include <gtest/gtest.h>

#include <string>

#include "core/compare/comparison.h"
#include "core/data_set/write.h"
#include "core/page/page_edit.h"
#include "support/configured_edits.h"
#include "support/image_builder.h"

namespace tessalin {
namespace {

using test::Configure;
using test::DeviceRecipe;

const DeviceRecipe kDemo{{1, 4, 5, 79}, {"optLPAR"}};
const std::string kFilter = "[I] PHS 2400 > Input filter";
const std::string kInterval = "[I] PG 2400 > Fixed interval";

void Commit(const std::string& path, char set, int row, const std::string& value) {
    PageModel page;
    ASSERT_TRUE(test::OpenPage(path, set, page)) << path;
    PageRow* shown = page.find(row);
    ASSERT_NE(shown, nullptr);
    if (shown->kind == kKindNumber) {
        CommitNumber(page, row, value, true);
        return;
    }
    for (std::size_t i = 0; i < shown->items.size(); ++i)
        if (shown->items[i].text == value) CommitChoice(page, row, static_cast<int>(i));
}

class ComparisonTest : public ::testing::Test {
protected:
    // The first data set as the configurator makes it; the second with a changed interval (both sets)
    // and the input filter's pulse suppression switched on in set B. The first is loaded.
    void SetUp() override {
        ASSERT_TRUE(Configure(kDemo));
        Commit(kInterval, 'A', 1, "12");
        Commit(kFilter, 'B', 0, "On");
        ASSERT_TRUE(WriteDataSet(dir_.file("B.PAR"), dir_.file("BU.PAR")).ok);
        ASSERT_TRUE(Configure(kDemo));
        ASSERT_TRUE(WriteDataSet(dir_.file("A.PAR"), dir_.file("AU.PAR")).ok);
        ASSERT_TRUE(LoadDataSet(dir_.file("A.PAR"), dir_.file("AU.PAR")).ok());
        SelectLanguage(1);
        BuildDeviceTree();
    }

    int Node(const std::string& path) { return NodesByTitlePath().at(path); }

    test::TempDir dir_;
};

TEST_F(ComparisonTest, LeadsToTheNodesAndRowsAndLeavesTheLoadedDataSetAsItWas) {
    DeviceTreeChange(Node(kFilter));
    const ParImageBuffer image = Ws().ParImage;
    const int selected = Ws().Tree.selected;

    ComparisonOpening opening = Comparison::Open(dir_.file("B.PAR"), dir_.file("BU.PAR"), SetChoice::Both);
    ASSERT_TRUE(opening.comparison);
    const Comparison& comparison = *opening.comparison;
    ASSERT_EQ(comparison.Differences().size(), 2u);
    EXPECT_TRUE(Ws().ParImage == image);
    EXPECT_EQ(Ws().FrontFileName, dir_.file("A.PAR"));
    EXPECT_EQ(Ws().Tree.selected, selected);
    EXPECT_FALSE(Ws().Modified);

    const std::map<int, int> counts = DifferenceCounts(comparison.Differences());
    EXPECT_EQ(counts.at(Node(kFilter)), 1);
    EXPECT_EQ(counts.at(Node(kInterval)), 1);
    EXPECT_EQ(counts.at(Node("[I] PHS 2400")), 1);
    EXPECT_EQ(counts.count(Node("FU 2400")), 0u);

    // The set-B-only difference marks its row in set B only; the interval's in both sets.
    EXPECT_EQ(RowDifferences(comparison.Differences(), Node(kFilter), true).count(0), 1u);
    EXPECT_TRUE(RowDifferences(comparison.Differences(), Node(kFilter), false).empty());
    const auto interval = RowDifferences(comparison.Differences(), Node(kInterval), false);
    ASSERT_EQ(interval.count(1), 1u);
    EXPECT_EQ(interval.at(1)->after, "12.0");
}

TEST_F(ComparisonTest, FollowsEditsAndTheLanguage) {
    ComparisonOpening opening = Comparison::Open(dir_.file("B.PAR"), dir_.file("BU.PAR"), SetChoice::Both);
    ASSERT_TRUE(opening.comparison);
    Comparison& comparison = *opening.comparison;
    EXPECT_FALSE(comparison.Refresh());

    // The user makes the loaded data set's filter like the second one's: one difference is left.
    Commit(kFilter, 'B', 0, "On");
    EXPECT_TRUE(comparison.Refresh());
    ASSERT_EQ(comparison.Differences().size(), 1u);
    EXPECT_EQ(DescribeDifference(comparison.Differences()[0]), kInterval + " > Interval: 24.0 \u2192 12.0 h");

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
    EXPECT_EQ(Ws().FrontFileName, dir_.file("A.PAR"));
    EXPECT_FALSE(Ws().Tree.nodes.empty());
}

}  // namespace
}  // namespace tessalin
