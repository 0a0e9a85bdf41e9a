// The settings pages of MenuProbe through the tree and page models: which rows each page shows on which
// software version and controller settings, and what their rules write.
#include "purgon_fixture.h"

namespace tessalin::test {
namespace {

constexpr int kController = 0, kCalPresets = 1, kInstallation = 22, kControlSystem = 23, kAccess = 24, kProbe = 25,
              kRinseWater = 26, kMediaAdapter = 27, kMediaAdapter3 = 28, kAdditionalMedia = 29;

using PurgonSettings = PurgonFixture;

struct PageCase {
    const char* what;
    char major;
    int purgon;
    int entry;
    std::vector<std::pair<int, int>> blockBytes;  // set before the page opens
    std::vector<int> rows;
};

TEST_F(PurgonSettings, PagesShowTheirRowsByVersionTypeAndSelectors) {
    const PageCase cases[] = {
        {"control before 7", '6', 79, kController, {}, {0, 3}},
        {"control from 7", '9', 79, kController, {}, {1, 3}},
        {"second type shows its measuring module", '9', 80, kController, {{2300, 3}}, {1, 3, 4}},
        {"cal presets, one module, 7.x", '7', 79, kCalPresets, {}, {1, 2, 3, 6, 7}},
        {"cal presets, one module, 9.x", '9', 79, kCalPresets, {}, {0, 1, 2, 3, 6, 7}},
        {"installation 5.x", '5', 79, kInstallation, {}, {0}},
        {"installation 7.x", '7', 79, kInstallation, {}, {0, 1}},
        {"installation 8.x", '8', 79, kInstallation, {}, {0, 1, 2}},
        {"control system 5.x", '5', 79, kControlSystem, {}, {0, 1, 2, 3, 5}},
        {"control system 6.x", '6', 79, kControlSystem, {}, {0, 1, 2, 3, 4, 5}},
        {"access", '9', 79, kAccess, {}, {0, 1}},
        {"probe 8.x", '8', 79, kProbe, {}, {0, 1, 2, 4, 7}},
        {"probe 9.x", '9', 79, kProbe, {}, {0, 1, 2, 4, 8, 10}},
        {"probe cavity interval", '9', 79, kProbe, {{2309, 1}}, {0, 1, 2, 4, 5, 6, 8, 10}},
        {"probe of another type", '9', 79, kProbe, {{2303, 2}}, {0, 1, 2, 8, 10}},
        {"rinse water off", '9', 79, kRinseWater, {}, {0}},
        {"rinse water process value", '9', 79, kRinseWater, {{2317, 1}}, {0, 1, 2}},
        {"rinse water temperature", '9', 79, kRinseWater, {{2317, 2}}, {0, 3, 4}},
        {"media ports off", '9', 79, kMediaAdapter, {}, {0, 9, 10, 19, 20}},
        {"media port I pump", '9', 79, kMediaAdapter, {{2326, 2}, {2330, 1}}, {0, 1, 2, 3, 4, 5, 6, 9, 10, 19, 20}},
        {"media port III own medium", '9', 79, kMediaAdapter, {{2352, 3}}, {0, 9, 10, 19, 20, 21, 24}},
        {"second media adapter", '9', 80, kMediaAdapter3, {{2300, 3}, {2352, 2}}, {0, 1, 2, 3}},
        {"additional media off", '9', 79, kAdditionalMedia, {}, {0, 7, 8}},
        {"additional medium 2 at temperature", '9', 79, kAdditionalMedia, {{2375, 3}, {2376, 2}}, {0, 7, 8, 9, 10, 13, 14}},
    };
    for (const PageCase& c : cases) {
        ResetWorkspace();
        MakeDevice({.major = c.major, .modules = {4}, .purgon = c.purgon, .options = {}});
        for (const auto& [offset, value] : c.blockBytes) SetBlockByte(offset, value);
        BuildDeviceTree();
        EXPECT_EQ(ShownRows(OpenEntry(c.entry)), c.rows) << c.what;
    }
}

TEST_F(PurgonSettings, ControlSystemRowsReadAndWriteSingleBits) {
    MakeDevice();
    SetBlockByte(2302, 0x12);
    PageModel page = OpenEntry(kControlSystem);
    std::vector<int> shown;
    for (const PageRow& row : page.rows) shown.push_back(row.items[row.selected].code);
    EXPECT_EQ(shown, (std::vector<int>{2, 2, 1, 1, 0, 1}));
    Choose(page, 3, 2);  // Input A/M (40/41): active < 2V
    EXPECT_EQ(BlockByte(2302), 0x52);
    Choose(page, 0, 1);  // Control on
    EXPECT_EQ(BlockByte(2302), 0x51);
    Choose(page, 4, 1);  // Output DCS (34): alarm
    EXPECT_EQ(BlockByte(2302), 0x59);
}

TEST_F(PurgonSettings, ChangingTheControllerTypeRedecodesAndRebuildsTheTree) {
    MakeDevice({.major = '9', .modules = {4}, .purgon = 79, .options = {}});
    PageModel page = OpenEntry(kController);
    EXPECT_EQ(ItemCodes(page, 1), (std::vector<int>{2, 1, 3}));
    // The commit carries out the rule's request for the tree and says so in its follow-up.
    EXPECT_TRUE(Choose(page, 1, 3).rebuildTree);
    EXPECT_FALSE(Ws().TreeRebuildRequest);
    EXPECT_EQ(BlockByte(2300), 3);
    EXPECT_EQ(Ws().Device.Purgon.TypeCode, 80);
    int a = 0, b = 0;
    ASSERT_TRUE(ComponentTagNumbers(Ws().Tree.nodes[PurgonNode()].text, a, b));
    EXPECT_EQ(a, 80);
    EXPECT_EQ(b, 1);
}

TEST_F(PurgonSettings, MeasuringModuleOffersUsableSlotsAndBuffersFollowTheChosenModule) {
    MakeDevice({.major = '8', .modules = {4}, .purgon = 79, .options = {}});
    PageModel page = OpenEntry(kCalPresets);
    EXPECT_FALSE(page.find(0)->enabled);  // one usable module: shown, fixed

    ResetWorkspace();
    MakeDevice({.major = '7', .modules = {4, 3}, .purgon = 79, .options = {}});
    page = OpenEntry(kCalPresets);
    ASSERT_NE(page.find(0), nullptr);
    EXPECT_EQ(ItemCodes(page, 0), (std::vector<int>{4, 5}));
    EXPECT_EQ(page.find(0)->items[1].text.rfind("[II] ", 0), 0u);
    // Buffer set 11 in slot [II]: its codes are stored as the list gives them.
    const long long setA = 0x0800 + 0x400 + 21;
    Ws().ParImage.setU8(setA, 11);
    Choose(page, 0, 5);
    page = BuildFormpage();
    EXPECT_EQ(page.find(1)->label, "Hach        4.01 7.00 10.01");
    EXPECT_EQ(ItemCodes(page, 2), (std::vector<int>{0, 1, 3, 4}));
    EXPECT_EQ(page.find(2)->items[3].text, "pH 10.01");
    Choose(page, 2, 4);
    EXPECT_EQ(CtrlFixByte(70), 4);
    // A set code outside the known sets leaves the heading empty and offers the device's own buffers alone.
    Ws().ParImage.setU8(setA, 40);
    page = BuildFormpage();
    EXPECT_EQ(page.find(1)->label, "");
    EXPECT_EQ(ItemCodes(page, 2), (std::vector<int>{0}));
}

TEST_F(PurgonSettings, CalModeNamesItsFirstChoiceByVersion) {
    for (const auto& [major, first] : {std::pair{'5', "Check"}, std::pair{'6', "Calibration"}}) {
        ResetWorkspace();
        MakeDevice({.major = major, .modules = {4}, .purgon = 79, .options = {}});
        const PageModel page = OpenEntry(kCalPresets);
        ASSERT_NE(page.find(6), nullptr);
        EXPECT_EQ(page.find(6)->items[0].text, first);
        EXPECT_EQ(page.find(6)->items[0].code, 2);
    }
}

TEST_F(PurgonSettings, Brand1ControllerKeepsAVorlixProbeWithoutSoftware9AndTheOption) {
    MakeDevice({.major = '8', .modules = {4}, .purgon = 79, .options = {}});
    Ws().Device.Front.Brand = 1;
    SetBlockByte(2303, 1);
    BuildDeviceTree();
    const PageModel page = OpenEntry(kProbe);
    EXPECT_EQ(page.find(0), nullptr);
    EXPECT_EQ(BlockByte(2303), 3);
    EXPECT_EQ(BlockByte(2304) | BlockByte(2305) << 8, 15);
    // The node is titled for the Vorlix probe.
    EXPECT_NE(Ws().Tree.nodes[EntryNode(kProbe)].text.find("Probe Vorlix"), std::string::npos);
}

}  // namespace
}  // namespace tessalin::test
