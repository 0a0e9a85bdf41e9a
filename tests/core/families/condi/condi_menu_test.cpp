// Which items of MenuCondI, MenuDigCondI and MenuSensorCondI a device shows, by module type, options,
// the concentration switch and the way the sensor is attached: walked through the device tree.

#include "condi_fixture.h"

#include "core/families/menu_registry.h"

namespace tessalin::test {
namespace {

struct MenuCase {
    const char* name;
    SlotDevice device;
    bool concentrationOn;
    std::set<int> shown;
};

class CondIMenu : public CondIFixture, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(CondIMenu, ShowsTheItemsOfItsModule) {
    const MenuCase& c = GetParam();
    MakeDevice(c.device);
    SetByte(Set(21), c.concentrationOn ? 1 : 2);
    EXPECT_EQ(VisibleEntries(), c.shown);
}

const MenuCase kMenuCases[] = {
    {"Module6V5", {6, '5'}, true, {0, 1, 2, 3, 4, 5, 7, 8, 9, 11, 12}},
    {"Module6Option", {6, '9', '0', kOptConcentration}, false, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12}},
    {"Module6OptionOn", {6, 'A', '0', kOptConcentration}, true, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
    {"Digital173OnCarrier", {173, '9', '0', 0, 0, 27}, false,
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14, 16, 17}},
    {"Digital173OptionOn", {173, '9', '0', kOptConcentration, 0, 27}, true,
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}},
    {"Sensor193OnCarrier", {193, '9', '0', 0, 0, 27}, false, {0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 12, 13}},
    {"Sensor183BehindIModule", {183, '9', '0', kOptConcentration, 0, 24}, true,
     {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
};

INSTANTIATE_TEST_SUITE_P(Cases, CondIMenu, ::testing::ValuesIn(kMenuCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CondIFixture, EveryElectrodelessTypeUsesItsMenu) {
    EXPECT_EQ(MenuTableOf(6)->entries, MenuCondI);
    EXPECT_EQ(MenuTableOf(173)->entries, MenuDigCondI);
    for (int type : {183, 193}) EXPECT_EQ(MenuTableOf(type)->entries, MenuSensorCondI) << type;
    EXPECT_EQ(MenuTableOf(6)->end, 13);
    EXPECT_EQ(MenuTableOf(173)->end, 18);
    EXPECT_EQ(MenuTableOf(193)->end, 14);
}

}  // namespace
}  // namespace tessalin::test
