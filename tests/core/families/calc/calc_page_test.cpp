// The pages of a calculation block: the difference formulas of its pair, the limit rows of a messages
// page, the conductivity block's factors and the oxygen block's liquid and gas rows.

#include "calc_fixture.h"

namespace tessalin::test {
namespace {

std::vector<std::string> ItemTexts(const PageModel& page, int row) {
    std::vector<std::string> texts;
    if (const PageRow* r = page.find(row))
        for (const ChoiceItem& item : r->items) texts.push_back(item.text);
    return texts;
}

TEST(CalcDifference, OffersTheFormulasOfTheBlocksPair) {
    MakeDevice({2, '9', {8, 5, 5}});
    ChooseBlock(0, 6);
    Ws().DeviceLanguage = 1;
    PageModel page = OpenPage(&MenuCalcCond[0], kPosCalc1);
    EXPECT_EQ(ItemTexts(page, 0), (std::vector<std::string>{"Off", "[II] - [III]", "[III] - [II]", "abs( [II] - [III] )"}));
    EXPECT_EQ(ItemCodes(page, 2), (std::vector<int>{0, 1, 2, 3}));

    // Without a definition of its own type the block offers only "Off".
    SetParamByte(At(Section::SYS_FIX, 77), 1, false);
    page = BuildFormpage();
    EXPECT_EQ(ItemTexts(page, 0), (std::vector<std::string>{"Off"}));
}

TEST(CalcDifference, SwitchingADifferenceOffHidesItsMessagesAfterTheBranchRebuild) {
    MakeDevice({2, '9', {5, 5}});
    ChooseBlock(0, 4);
    SetBlockByte(8, 1);
    BuildDeviceTree();
    ASSERT_GE(NodeOf(&MenuCalcCond[2], kPosCalc1), 0);
    PageModel page = OpenPage(&MenuCalcCond[0], kPosCalc1);
    const FollowUp follow = Choose(page, 0, 0);
    EXPECT_TRUE(follow.rebuildBranch);
    EXPECT_LT(NodeOf(&MenuCalcCond[2], kPosCalc1), 0);
    EXPECT_EQ(Ws().CurrentPage.entry, &MenuCalcCond[0]);
}

// Block 1 keeps slot number 3 by its position, whatever its stored record index holds: its lists are
// those of its pair, and a commit lands in its own area, never in a module slot's.
TEST(CalcDifference, TheBlocksPositionNotItsRecordIndexChoosesItsArea) {
    MakeDevice({2, '9', {8, 5, 5}});
    ChooseBlock(0, 6);
    Ws().ParImage.setU8(52, 0);  // block 1's record index
    Redecode();
    Ws().DeviceLanguage = 1;
    PageModel page = OpenPage(&MenuCalcCond[0], kPosCalc1);
    EXPECT_EQ(ItemTexts(page, 0).size(), 4u);
    const ParImageBuffer before = Ws().ParImage;
    Choose(page, 0, 2);
    EXPECT_EQ(Ws().ParImage.u8(kBlock1 + MenuCalcCond[0].params[0].location.offset), 2);
    for (long long at = 0x0800; at < 0x1400; ++at) ASSERT_EQ(Ws().ParImage.u8(at), before.u8(at)) << at;
}

TEST(CalcMessages, LimitsAreShownWhileTheyAreVariableInTheShownSet) {
    MakeDevice({2, '9', {3, 3}});
    ChooseBlock(0, 1);
    PageModel page = OpenPage(&MenuCalcPH[2], kPosCalc1);
    EXPECT_EQ(ShownRows(page), (std::vector<int>{0}));
    EXPECT_TRUE(Choose(page, 0, 3).rebuildPage);
    page = BuildFormpage();
    EXPECT_EQ(ShownRows(page), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_TRUE(page.find(1)->enabled);
    EXPECT_EQ(page.find(1)->value, "-2.00");
    EXPECT_EQ(page.find(4)->value, "16.00");
    EXPECT_EQ(CommitNumber(page, 4, "20", true).result, kCheckAbove);

    Ws().ActiveParamSet = true;  // set B keeps its own monitoring
    EXPECT_EQ(ShownRows(BuildFormpage()), (std::vector<int>{0}));
}

TEST(CalcMessages, ValuesCarryTheUnitsOfTheirQuantity) {
    const struct {
        std::vector<int> modules;  // none: two CO2 modules
        int definition;
        const TMenuEntry* page;
        const char* unit;
    } cases[] = {
        {{3, 3}, 1, &MenuCalcPH[3], "mV"},
        {{5, 5}, 4, &MenuCalcCond[4], "°C"},
        {{}, 10, &MenuCalcCO2[5], "hPa"},
        {{}, 10, &MenuCalcCO2[2], "%"},
    };
    for (const auto& c : cases) {
        if (c.modules.empty()) {
            MakeCo2Device();
        } else {
            MakeDevice({2, '9', c.modules});
        }
        ChooseBlock(0, c.definition);
        for (int offset = 8; offset <= 11; ++offset) SetBlockByte(offset, 1);
        BuildDeviceTree();
        PageModel page = OpenPage(c.page, kPosCalc1);
        Choose(page, 0, 3);
        page = BuildFormpage();
        ASSERT_NE(page.find(1), nullptr) << c.unit;
        EXPECT_EQ(page.find(1)->unitLabel(), c.unit);
    }
}

// The conductivity block's page: 0..2 differences, 3..6 ratio to deviation, 7 pH value, 8 factor A, 9 factor B.
TEST(CalcConductivity, FactorsFollowThePhValueAndTheVersion) {
    const struct {
        char major;
        int phValue;
        std::vector<int> rows;
        bool editable;
    } cases[] = {
        {'9', 2, {0, 1, 2, 3, 4, 5, 6, 7}, false},
        {'9', 1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, false},
        {'9', 5, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, true},
        {'5', 5, {0, 1, 2, 3, 4, 5, 6, 7, 8}, true},
    };
    for (const auto& c : cases) {
        MakeDevice({2, c.major, {5, 5}});
        ChooseBlock(0, 4);
        PageModel page = OpenPage(&MenuCalcCond[0], kPosCalc1);
        if (c.phValue != 2) {
            const FollowUp follow = Choose(page, 7, c.phValue);
            EXPECT_TRUE(follow.rebuildPage && follow.rebuildBranch);
            page = BuildFormpage();
        }
        EXPECT_EQ(ShownRows(page), c.rows) << c.major << " " << c.phValue;
        if (const PageRow* factor = page.find(8)) {
            EXPECT_EQ(factor->enabled, c.editable);
        }
    }
}

// The oxygen block's page: 0..3 liquid differences, 4, 5 gas differences, 6 temperature.
TEST(CalcOxygen, RowsFollowTheMediaOfBothModules) {
    const struct {
        uint8_t first, second;
        std::vector<int> rows;
    } cases[] = {{1, 1, {0, 1, 2, 3, 6}}, {2, 3, {4, 5, 6}}, {1, 3, {6}}, {0, 0, {6}}};
    for (const auto& c : cases) {
        MakeDevice({2, '9', {8, 20, 21}});
        ChooseBlock(0, 9);
        SetMeasureIn(1, c.first);
        SetMeasureIn(2, c.second);
        EXPECT_EQ(ShownRows(OpenPage(&MenuCalcOxy[0], kPosCalc1)), c.rows) << int(c.first) << " " << int(c.second);
    }
}

}  // namespace
}  // namespace tessalin::test
