// Choosing calculation blocks on the front unit's page: the blocks offered for the installed modules, the
// hardware change a choice makes (identity in the image, the block's defaults, the device decoded again
// and the tree rebuilt with the same node selected), and pairs that do not fit.

#include <gtest/gtest.h>

#include "core/catalogue/codec.h"
#include "core/catalogue/events.h"
#include "core/families/calc/calc.h"
#include "core/families/front/front.h"
#include "support/configured_device.h"

namespace tessalin::test {
namespace {

const TMenuEntry* kBlocksPage = &MenuFront[11];
constexpr long long kBlock1Set = 0x1400;  // calculation block 1, set A (set B 0x2000 above)

float FloatAt(long long offset) { return Ws().ParImage.f32(offset); }

TEST(FrontCalcBlocks, OfferEveryDefinitionThatFitsTheModules) {
    const struct {
        std::vector<int> modules;  // none: two CO2 modules
        std::string list;
    } cases[] = {
        {{3, 12}, "0 Aus | 1 [I] [II] Calc pH, pH"},
        {{3, 8, 13}, "0 Aus | 2 [I] [III] Calc pH, pH"},
        {{3, 3, 3}, "0 Aus | 1 [I] [II] Calc pH, pH | 2 [I] [III] Calc pH, pH | 3 [II] [III] Calc pH, pH"},
        {{5, 10, 6}, "0 Aus | 5 [I] [III] Calc Cond, Cond"},
        {{8, 11, 10}, "0 Aus | 9 [II] [III] Calc Oxy, Oxy"},
        {{}, "0 Aus | 10 [I] [II] Calc CO2, CO2"},
    };
    for (const auto& c : cases) {
        if (c.modules.empty()) {
            MakeCo2Device();
        } else {
            MakeDevice({2, '9', c.modules});
        }
        const PageModel page = OpenPage(kBlocksPage, kPosFront);
        for (int row : {0, 1}) {
            ASSERT_NE(page.find(row), nullptr) << c.list;
            std::string list;
            for (const ChoiceItem& item : page.find(row)->items)
                list += (list.empty() ? "" : " | ") + std::to_string(item.code) + " " + item.text;
            EXPECT_EQ(list, c.list) << "row " << row;
        }
    }
}

TEST(FrontCalcBlocks, AChoiceRedecodesTheDeviceAndKeepsTheSelection) {
    MakeDevice({2, '9', {3, 8, 3}});
    PageModel page = OpenPage(kBlocksPage, kPosFront);
    const int record = Ws().Tree.nodes[Ws().Tree.selected].record;

    const FollowUp follow = Choose(page, 0, 2);
    EXPECT_TRUE(follow.rebuildTree);
    EXPECT_TRUE(Ws().PageRebuildRequest);
    const TCalcBlock& block = Ws().Device.CalcBlock[0];
    EXPECT_EQ(block.Code, 128);
    EXPECT_EQ(block.SlotMask, 5);
    EXPECT_EQ(block.RecIndex, 3);
    EXPECT_EQ(Ws().Device.Origin, kOriginTool);
    EXPECT_EQ(Ws().Tree.nodes[Ws().Tree.selected].record, record);
    EXPECT_EQ(Ws().CurrentPage.entry, kBlocksPage);

    // The block's node follows the slot modules, with the pH block's menu under it.
    const int last = Ws().Tree.roots.back();
    EXPECT_NE(Ws().Tree.nodes[last].text.find("[I] [III] "), std::string::npos);
    EXPECT_NE(Ws().Tree.nodes[last].text.find("<Z>128,5</Z>"), std::string::npos);
    EXPECT_EQ(VisibleEntries(MenuCalcPH, kMenuCalcPHEnd, kPosCalc1), (std::set<int>{0, 1, 2, 3, 4}));

    // Its values start from the factory defaults in both parameter sets: monitoring Off, limits -2..16 pH.
    for (long long set : {0LL, 0x2000LL}) {
        EXPECT_EQ(Ws().ParImage.u8(kBlock1Set + set + 11), 1);
        EXPECT_EQ(FloatAt(kBlock1Set + set + 12), -2.0f);
        EXPECT_EQ(FloatAt(kBlock1Set + set + 24), 16.0f);
    }
}

TEST(FrontCalcBlocks, AnotherPairOfTheSameTypeKeepsTheBlocksValues) {
    MakeDevice({2, '9', {3, 3, 3}});
    PageModel page = OpenPage(kBlocksPage, kPosFront);
    Choose(page, 1, 1);
    EXPECT_EQ(Ws().Device.CalcBlock[1].Code, 128);
    EXPECT_EQ(Ws().Device.CalcBlock[1].RecIndex, 4);
    Ws().ParImage.setU8(0x1800 + 11, 3);  // block 2: pH limits variable

    page = BuildFormpage();
    Choose(page, 1, 3);
    EXPECT_EQ(Ws().Device.CalcBlock[1].SlotMask, 6);
    EXPECT_EQ(Ws().ParImage.u8(0x1800 + 11), 3);

    page = BuildFormpage();
    Choose(page, 1, 0);  // off: the block goes, its values stay
    EXPECT_EQ(Ws().Device.CalcBlock[1].Code, 0);
    EXPECT_EQ(Ws().ParImage.u8(0x1800 + 11), 3);
    EXPECT_EQ(NodeOf(&MenuCalcPH[0], kPosCalc2), -1);
}

TEST(FrontCalcBlocks, AStoredPairThatDoesNotFitIsRefused) {
    // A data set whose block 1 combines two pH modules, opened on a device with one pH module left.
    MakeDevice({2, '9', {3, 5}});
    SetParamByte(At(Section::SYS_FIX, 77), 1, false);
    Ws().ParImage.setU8(51, 128);
    Ws().ParImage.setU8(52, 3);
    Ws().ParImage.setU8(53, 3);
    Redecode();
    EXPECT_EQ(Ws().Device.CalcBlock[0].Code, 0);
    EXPECT_LT(NodeOf(kBlocksPage, kPosFront), 0);

    // With a second pH module the page offers only the fitting pair and takes nothing else.
    MakeDevice({2, '9', {3, 5, 3}});
    PageModel page = OpenPage(kBlocksPage, kPosFront);
    EXPECT_EQ(ItemCodes(page, 0), (std::vector<int>{0, 2}));

    // A pair the list does not hold that reaches the rule anyway is set back to "Off".
    Ws().CurrentParam = Ws().FormpageRows[0];
    SetParamByte(At(Section::SYS_FIX, 77), 1, false);
    TEvParRec rec;
    AskRow(*Ws().CurrentParam.param, kEvCommitted, rec);
    EXPECT_EQ(ParamByte(At(Section::SYS_FIX, 77)), 0);
    EXPECT_EQ(Ws().ParImage.u8(51), 0);
    EXPECT_EQ(Ws().Device.CalcBlock[0].Code, 0);
}

}  // namespace
}  // namespace tessalin::test
