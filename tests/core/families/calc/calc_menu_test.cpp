// Which items of a calculation block's menu are shown: the messages pages follow the values the block
// calculates, the oxygen block's also the measuring media of its two modules.

#include "calc_fixture.h"

namespace tessalin::test {
namespace {

struct MenuCase {
    const char* name;
    std::vector<int> modules;  // none: two CO2 modules
    int definition;
    std::vector<std::pair<int, uint8_t>> blockBytes;  // block 1 set section
    std::pair<uint8_t, uint8_t> media;                // of the oxygen modules of the pair
    const TMenuEntry* menu;
    int end;
    std::set<int> shown;
};

class CalcMenu : public ::testing::TestWithParam<MenuCase> {};

TEST_P(CalcMenu, ShowsTheMessagesOfTheValuesItCalculates) {
    const MenuCase& c = GetParam();
    if (c.modules.empty()) {
        MakeCo2Device();
    } else {
        MakeDevice({2, '9', c.modules});
    }
    ChooseBlock(0, c.definition);
    SetMeasureIn(0, c.media.first);
    SetMeasureIn(1, c.media.second);
    for (const auto& [offset, value] : c.blockBytes) SetBlockByte(offset, value);
    BuildDeviceTree();
    EXPECT_EQ(VisibleEntries(c.menu, c.end, kPosCalc1), c.shown);
}

const MenuCase kMenuCases[] = {
    {"PhAlwaysComplete", {3, 12}, 1, {}, {0, 0}, MenuCalcPH, kMenuCalcPHEnd, {0, 1, 2, 3, 4}},
    {"CondNothingCalculated", {5, 5}, 4, {}, {0, 0}, MenuCalcCond, kMenuCalcCondEnd, {0, 1}},
    {"CondDifferences", {5, 5}, 4, {{8, 1}, {9, 3}, {10, 2}}, {0, 0}, MenuCalcCond, kMenuCalcCondEnd, {0, 1, 2, 3, 4}},
    {"CondRatioAndPh", {5, 5}, 4, {{11, 1}, {12, 2}, {135, 1}}, {0, 0}, MenuCalcCond, kMenuCalcCondEnd, {0, 1, 5, 9}},
    {"CondPassageRejectionDeviation", {5, 5}, 4, {{12, 1}, {13, 1}, {14, 1}, {135, 5}}, {0, 0}, MenuCalcCond,
     kMenuCalcCondEnd, {0, 1, 6, 7, 8, 9}},
    {"OxyLiquids", {10, 11}, 7, {{8, 1}, {9, 1}, {10, 1}, {11, 1}, {98, 1}, {99, 1}, {12, 1}}, {1, 1}, MenuCalcOxy,
     kMenuCalcOxyEnd, {0, 1, 2, 3, 4, 5, 8}},
    {"OxyGases", {10, 11}, 7, {{8, 1}, {9, 1}, {10, 1}, {11, 1}, {98, 1}, {99, 1}, {12, 1}}, {2, 3}, MenuCalcOxy,
     kMenuCalcOxyEnd, {0, 1, 6, 7, 8}},
    {"OxyLiquidAndGas", {10, 11}, 7, {{8, 1}, {9, 1}, {10, 1}, {11, 1}, {98, 1}, {99, 1}, {12, 1}}, {1, 2},
     MenuCalcOxy, kMenuCalcOxyEnd, {0, 1, 8}},
    {"Co2", {}, 10, {{8, 1}, {11, 2}}, {0, 0}, MenuCalcCO2, kMenuCalcCO2End, {0, 1, 2, 5}},
};

INSTANTIATE_TEST_SUITE_P(Cases, CalcMenu, ::testing::ValuesIn(kMenuCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessalin::test
