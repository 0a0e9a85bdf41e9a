// The fieldbus modules: which PA menu a module shows, the measuring modules that can feed the bus, and the
// analog-input lists of the chosen module, refreshed in place when another module is chosen.

#include "core/families/fieldbus/fieldbus.h"
#include "core/families/menu_registry.h"
#include "support/catalogue_device.h"

namespace tessalin::test {
namespace {

constexpr Location ComSet(uint16_t offset) { return At(Section::COM_SET, offset); }
constexpr Location ComFix(uint16_t offset) { return At(Section::COM_FIX, offset); }

constexpr int kSixInputs = 0, kGroup1 = 1, kGroup2 = 2, kBus = 3;  // MenuPA
constexpr int kFfGroup1 = 0;                                      // MenuFF

using Fieldbus = CatalogueDeviceTest;

TEST_F(Fieldbus, PaMenuFollowsDeviceAndModuleSoftware) {
    struct Case {
        char major;
        uint8_t moduleSoftware;
        std::set<int> shown;
    };
    for (int s = 0; s < 3; ++s) {
        for (const Case& c : {Case{'5', 0x20, {kSixInputs}}, Case{'6', 0x25, {kSixInputs}},
                              Case{'7', 0x17, {kSixInputs}}, Case{'7', 0x20, {kGroup1, kGroup2, kBus}},
                              Case{'A', 0x31, {kGroup1, kGroup2, kBus}}}) {
            DeviceSpec wanted{.major = c.major};
            wanted.modules.assign(static_cast<std::size_t>(s), 3);
            wanted.modules.push_back(14);
            MakeDevice(wanted);
            Ws().Device.Slot[s].SwVersion = c.moduleSoftware;
            EXPECT_EQ(VisibleEntries(*MenuTableOf(14), kPosSlot1 + s), c.shown)
                << "slot " << s << " software " << c.major << " module " << int(c.moduleSoftware);
        }
    }
}

TEST_F(Fieldbus, FoundationFieldbusShowsItsGroupsInEverySlot) {
    for (int s = 0; s < 3; ++s) {
        for (char major : {'7', '8', '9', 'A'}) {
            DeviceSpec wanted{.major = major};
            wanted.modules.assign(static_cast<std::size_t>(s), 5);
            wanted.modules.push_back(23);
            MakeDevice(wanted);
            EXPECT_EQ(VisibleEntries(*MenuTableOf(23), kPosSlot1 + s), (std::set<int>{0, 1, 2})) << s << major;
        }
    }
}

TEST_F(Fieldbus, SixInputsOfferTheFieldbusVariablesOfEveryModule) {
    MakeDevice({.major = '6', .modules = {3, 14, 5}});
    Ws().DeviceLanguage = 1;
    PageModel page = OpenPage(kPosSlot2, MenuPA[kSixInputs]);
    ASSERT_EQ(ShownRows(page), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(page.rows[5].label, "Analog Input AI 6");
    // pH in [I]: pH, ORP, °C, mV, rH; conductivity in [III]: S/cm, °C, g/kg, Ohm*cm (no concentration).
    const std::vector<int> expected = {0, 0x40, 0x41, 0x42, 0x44, 0x45, 0x60, 0x62, 0x64, 0x65};
    EXPECT_EQ(ItemCodes(page, 0), expected);
    EXPECT_EQ(ItemTexts(page, 0).front(), "Off");
    EXPECT_EQ(ItemTexts(page, 0)[6], "[III] S/cm");
    Ws().ActiveParamSet = true;
    page = BuildFormpage();
    Choose(page, 5, 0x62);
    EXPECT_EQ(Byte(kPosSlot2, ComSet(13), true), 0x62);
    EXPECT_EQ(Byte(kPosSlot2, ComSet(13), false), 0);
}

TEST_F(Fieldbus, MeasuringModulesAreTheSlotsAndBlocksThatCanFeedTheBus) {
    MakeDevice({.major = '9', .modules = {3, 23, 5}});
    Ws().Device.CalcBlock[1] = TCalcBlock{.Code = 128, .RecIndex = 4, .SlotMask = 5};
    for (const auto& [language, none] : {std::pair{0, "kein Modul"}, std::pair{1, "No module"}}) {
        Ws().DeviceLanguage = language;
        const PageModel page = OpenPage(kPosSlot2, MenuFF[kFfGroup1]);
        EXPECT_EQ(ItemCodes(page, 0), (std::vector<int>{0, kPosSlot1, kPosSlot3, kPosCalc2}));
        const std::vector<std::string> texts = ItemTexts(page, 0);
        ASSERT_EQ(texts.size(), 4u);
        EXPECT_EQ(texts[0], none);
        EXPECT_EQ(texts[1].rfind("[I] ", 0), 0u) << texts[1];
        EXPECT_EQ(texts[2].rfind("[III] ", 0), 0u) << texts[2];
        EXPECT_EQ(texts[3].rfind("[I] [III] ", 0), 0u) << texts[3];
    }

    MakeDevice({.major = '9', .modules = {8, 23}});
    EXPECT_EQ(ItemCodes(OpenPage(kPosSlot2, MenuFF[kFfGroup1]), 0), (std::vector<int>{0}))
        << "an output module feeds nothing";
}

TEST_F(Fieldbus, ChoosingTheModuleRefillsTheInputListsInPlace) {
    MakeDevice({.major = '8', .modules = {3, 14, 5}});
    Ws().Device.Slot[1].SwVersion = 0x21;
    SetByte(kPosSlot3, At(Section::COND_SET, 9), 1);  // the conductivity module measures no second value
    PageModel page = OpenPage(kPosSlot2, MenuPA[kGroup1]);
    ASSERT_EQ(ShownRows(page), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(ItemCodes(page, 1), (std::vector<int>{0})) << "no module: only Off";

    EXPECT_TRUE(Choose(page, 0, kPosSlot1).refreshRows);
    for (int row = 1; row <= 4; ++row)
        EXPECT_EQ(ItemCodes(page, row), (std::vector<int>{0, 0x40, 0x41, 0x42, 0x44, 0x45})) << row;
    Choose(page, 1, 0x41);
    EXPECT_EQ(Byte(kPosSlot2, ComFix(3)), 0x41);

    Choose(page, 0, kPosSlot3);
    EXPECT_EQ(ItemCodes(page, 1), (std::vector<int>{0, 0x60, 0x62, 0x64, 0x65}));
    EXPECT_EQ(page.find(1)->selected, -1) << "the stored ORP is not a variable of the conductivity module";

    // The second group keeps its own module.
    const PageModel group2 = OpenPage(kPosSlot2, MenuPA[kGroup2]);
    EXPECT_EQ(ItemCodes(group2, 1), (std::vector<int>{0}));
    EXPECT_EQ(group2.rows[4].label, "Analog Input AI 8");
    EXPECT_EQ(Byte(kPosSlot2, ComFix(2)), kPosSlot3);
    EXPECT_EQ(Byte(kPosSlot2, ComFix(7)), 0);
}

TEST_F(Fieldbus, BusActivationIsEnabledOnANewModule) {
    MakeDevice({.major = '9', .modules = {23}});
    const PageModel page = OpenPage(kPosSlot1, MenuFF[2]);
    EXPECT_EQ(ItemCodes(page, 0), (std::vector<int>{1, 2}));
    EXPECT_EQ(page.find(0)->selected, 0);
    EXPECT_EQ(Byte(kPosSlot1, ComFix(12)), 1);
}

}  // namespace
}  // namespace tessalin::test
