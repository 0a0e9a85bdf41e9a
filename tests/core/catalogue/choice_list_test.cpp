#include <gtest/gtest.h>

#include "core/catalogue/choice_list.h"
#include "core/workspace.h"

namespace tessalin {
namespace {

bool Yes() { return true; }
bool No() { return false; }

TEST(ChoiceList, ParsesCodesAndTexts) {
    const std::vector<ChoiceItem> items = ParseChoiceList(" 1 |On|2|Off|1 0|Auto");
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].code, 1);
    EXPECT_EQ(items[0].text, "On");
    EXPECT_EQ(items[2].code, 10);  // blanks inside a code are ignored
    EXPECT_EQ(items[2].text, "Auto");

    EXPECT_TRUE(ParseChoiceList("").empty());
    EXPECT_EQ(ParseChoiceList("1|A|x|B|3|C").size(), 1u);  // a code that is no number ends the list
    EXPECT_EQ(ParseChoiceList("1|A|").size(), 1u);
    const std::string longText(200, 'w');
    EXPECT_EQ(ParseChoiceList("5|" + longText)[0].text.size(), 127u);
}

TEST(ChoiceList, ItemConditionsFilterInItemOrder) {
    const Predicate conditions[] = {Yes, No, Yes};
    const std::vector<ChoiceItem> items = ParseChoiceList("0|A|1|B|2|C", conditions);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[1].text, "C");
    EXPECT_EQ(items[1].code, 2);

    TParamEntry entry;
    entry.itemConditions = conditions;
    EXPECT_EQ(ParseChoiceList("0|A|1|B|2|C", entry).size(), 3u);  // flag bit 4 not set
    entry.flags = kPfItemConditions;
    EXPECT_EQ(ParseChoiceList("0|A|1|B|2|C", entry).size(), 2u);
}

TEST(ChoiceList, IndexAndTextOfAStoredValue) {
    ResetWorkspace();
    const std::vector<ChoiceItem> items = ParseChoiceList("1|On|2|Off");
    Ws().ParImage.setU8(0x7000, 2);
    EXPECT_EQ(ListIndexOfValue(0x7000, items), 1);
    Ws().ParImage.setU8(0x7000, 9);
    EXPECT_EQ(ListIndexOfValue(0x7000, items), -1);
    EXPECT_EQ(ListIndexOfValue(0x7000, ParseChoiceList("4|Only")), 0);  // one item: always that one
    EXPECT_EQ(ListIndexOfValue(0x7000, {}), -1);

    EXPECT_EQ(ListTextOfValue("1|On|2|Off", 2), "Off");
    EXPECT_EQ(ListTextOfValue("1|On|2|Off", 3), "(X)");
    EXPECT_EQ(ListTextOfValue("1|On|x|Off|3|Auto", 3), "(X)");
    EXPECT_EQ(ListTextOfValue("", 0), "(X)");
    ResetWorkspace();
}

}  // namespace
}  // namespace tessalin
