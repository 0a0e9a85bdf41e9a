// Which items of the base unit's menu a device shows: every base unit on every software version, and the
// chart of a current output only with the current-characteristic option, curve "Table" and a variable.

#include "core/families/base/base.h"
#include "core/families/menu_registry.h"
#include "support/catalogue_device.h"

namespace tessalin::test {
namespace {

constexpr Location Sys(uint16_t offset) { return At(Section::SYS_SET, offset); }

constexpr int kChartI1 = 1;
constexpr int kChartI2 = 4;
const std::set<int> kWithoutCharts = {0, 2, 3, 5, 6, 7, 8, 9, 10};

MenuTable Menu(int base) { return *MenuTableOf(base); }

using BaseMenu = CatalogueDeviceTest;

TEST_F(BaseMenu, EveryBaseUnitShowsOutputsContactsAndInputsOnEveryVersion) {
    struct Unit {
        int front, base;
    };
    for (const Unit unit : {Unit{2, 1}, Unit{17, 15}, Unit{17, 16}, Unit{2, 50}}) {
        for (char major : {'5', '6', '7', '8', '9', 'A'}) {
            MakeDevice({.front = unit.front, .major = major, .base = unit.base});
            ASSERT_EQ(Menu(unit.base).entries, MenuBase);
            EXPECT_EQ(VisibleEntries(Menu(unit.base), kPosBase), kWithoutCharts)
                << "base " << unit.base << " version " << major;
        }
    }
    EXPECT_EQ(MenuBase[kMenuBaseEnd].level, -1);
}

struct ChartCase {
    const char* name;
    bool option;
    int curveI1, variableI1, curveI2, variableI2;
    std::set<int> charts;
};

class BaseCharts : public CatalogueDeviceTest, public ::testing::WithParamInterface<ChartCase> {};

TEST_P(BaseCharts, FollowOptionCurveAndVariable) {
    const ChartCase& c = GetParam();
    DeviceSpec wanted{.modules = {3}};
    if (c.option) wanted.options = {"optSKLE"};
    MakeDevice(wanted);
    SetByte(kPosBase, Sys(65), static_cast<uint8_t>(c.variableI1));
    SetByte(kPosBase, Sys(66), static_cast<uint8_t>(c.curveI1));
    SetByte(kPosBase, Sys(185), static_cast<uint8_t>(c.variableI2));
    SetByte(kPosBase, Sys(186), static_cast<uint8_t>(c.curveI2));
    std::set<int> expected = kWithoutCharts;
    expected.insert(c.charts.begin(), c.charts.end());
    EXPECT_EQ(VisibleEntries(Menu(1), kPosBase), expected);
}

const ChartCase kChartCases[] = {
    {"TableWithoutOption", false, 4, 0x40, 4, 0x40, {}},
    {"TableI1", true, 4, 0x40, 1, 0x40, {kChartI1}},
    {"TableI2", true, 2, 0x40, 4, 0x42, {kChartI2}},
    {"TableBoth", true, 4, 0x40, 4, 0x42, {kChartI1, kChartI2}},
    {"TableWithoutVariable", true, 4, 0, 4, 0, {}},
    {"FunctionCurve", true, 3, 0x40, 3, 0x40, {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, BaseCharts, ::testing::ValuesIn(kChartCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BaseMenu, ChoosingTheTableCurveShowsTheChartInTheBranchAtOnce) {
    MakeDevice({.modules = {3}, .options = {"optSKLE"}});
    SetByte(kPosBase, Sys(65), 0x40);
    PageModel page = OpenPage(kPosBase, MenuBase[0]);
    auto chartNodeShown = [] {
        for (int node : NodesInOrder()) {
            const TreeNode& n = Ws().Tree.nodes[node];
            if (n.level > 0 && n.record >= 0 && Ws().Tree.records[n.record].entry == &MenuBase[kChartI1]) return true;
        }
        return false;
    };
    EXPECT_FALSE(chartNodeShown());
    EXPECT_TRUE(Choose(page, 1, 4).rebuildBranch);
    EXPECT_TRUE(chartNodeShown());
    EXPECT_EQ(Ws().CurrentPage.entry, &MenuBase[0]) << "the selection stays on the output's page";
    const FollowUp trilinear = Choose(page, 1, 2);
    EXPECT_TRUE(trilinear.rebuildBranch);
    EXPECT_FALSE(chartNodeShown());
    ASSERT_TRUE(trilinear.rebuildPage) << "the corner points appear on the page";
    EXPECT_NE(BuildFormpage().find(4), nullptr);
}

}  // namespace
}  // namespace tessalin::test
