// Which items of the front unit's menu a device shows, by front code, software version, options, KI
// recorder mode and installed modules: walked through the device tree of a configured device.

#include <gtest/gtest.h>

#include "core/catalogue/codec.h"
#include "core/families/front/front.h"
#include "support/configured_device.h"

namespace tessalin::test {
namespace {

constexpr uint32_t kOptKiRec = 1u << 1, kOptPuff = 1u << 2, kOptKonz = 1u << 9, kOptMRec = 1u << 16,
                   kOptFda21 = 1u << 20;
constexpr uint32_t kAllOptions = kOptKiRec | kOptPuff | kOptKonz | kOptMRec;

// Menu entries: 0 Language, 1 Display, 2 Recorder (3, 4 channels), 5 KI recorder (6, 7 channels),
// 8 System control, 9 Memory card, 10 Parameter sets, 11 Calculation-Blocks, 12 Matrix, 13 Time/Date,
// 14 Meas point, 15 Logbook, 16 Buffer table (17..19 buffers), 20 Concentration chart, 21 AuditTrail.
struct MenuCase {
    const char* name;
    DeviceSpec device;
    int kiMode;  // SYS-FIX +39
    std::set<int> shown;
};

class FrontMenu : public ::testing::TestWithParam<MenuCase> {};

TEST_P(FrontMenu, ShowsTheItemsOfItsOptionsAndModules) {
    const MenuCase& c = GetParam();
    MakeDevice(c.device);
    SetParamByte(At(Section::SYS_FIX, 39), static_cast<uint8_t>(c.kiMode), false);
    BuildDeviceTree();
    EXPECT_EQ(VisibleEntries(MenuFront, kMenuFrontEnd, kPosFront), c.shown);
}

const MenuCase kMenuCases[] = {
    {"PlainFrontV9", {2, '9'}, 2, {0, 1, 8, 9, 10, 12, 13, 14, 15}},
    {"PlainFrontV5WithOnePhModule", {2, '5', {3}}, 2, {0, 1, 8, 9, 10, 12, 13, 14, 15}},
    {"EveryOptionKiOff", {2, '7', {}, kAllOptions}, 2, {0, 1, 2, 3, 4, 5, 8, 9, 10, 12, 13, 14, 15, 16, 17, 18, 19, 20}},
    {"KiContinuous", {2, '8', {}, kOptKiRec}, 1, {0, 1, 5, 6, 7, 8, 9, 10, 12, 13, 14, 15}},
    {"KiBatch", {17, 'A', {}, kOptKiRec}, 3, {0, 1, 5, 6, 7, 8, 9, 10, 12, 13, 14, 15}},
    {"KiModeWithoutOption", {2, '9'}, 1, {0, 1, 8, 9, 10, 12, 13, 14, 15}},
    {"AuditTrailReplacesLogbook", {17, '6', {}, kOptFda21}, 2, {0, 1, 8, 9, 10, 12, 13, 14, 21}},
    {"TwoPhModulesFormABlock", {2, '9', {3, 3}}, 2, {0, 1, 8, 9, 10, 11, 12, 13, 14, 15}},
    {"PhAndConductivityFormNone", {2, '9', {3, 5}}, 2, {0, 1, 8, 9, 10, 12, 13, 14, 15}},
    {"TwoOxygenModulesAroundAnOutput", {17, '7', {10, 8, 11}}, 2, {0, 1, 8, 9, 10, 11, 12, 13, 14, 15}},
};

INSTANTIATE_TEST_SUITE_P(Cases, FrontMenu, ::testing::ValuesIn(kMenuCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FrontMenuTitles, BufferSetsAreNumberedAndTheFrontIsTheFirstComponent) {
    MakeDevice({2, '9', {3}, kOptPuff});
    Ws().DeviceLanguage = 1;
    BuildDeviceTree();
    const int first = Ws().Tree.roots.front();
    EXPECT_NE(Ws().Tree.nodes[first].text.find("<Z>2,0</Z>"), std::string::npos);
    const char* titles[] = {"Buffer 1", "Buffer 2", "Buffer 3"};
    for (int n = 0; n < 3; ++n) {
        const int node = NodeOf(&MenuFront[17 + n], kPosFront);
        ASSERT_GE(node, 0);
        EXPECT_EQ(Ws().Tree.nodes[node].text, titles[n]);
        EXPECT_EQ(Ws().Tree.nodes[Ws().Tree.nodes[node].parent].text, "Buffer table");
    }
}

}  // namespace
}  // namespace tessalin::test
