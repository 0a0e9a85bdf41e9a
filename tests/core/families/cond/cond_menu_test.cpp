// Which items of MenuCond and MenuDigCond a device shows, by module type, version, options, the
// concentration switch and the way the sensor is attached: walked through the device tree.

#include "cond_fixture.h"

#include "core/families/menu_registry.h"

namespace tessalin::test {
namespace {

struct MenuCase {
    const char* name;
    SlotDevice device;
    bool concentrationOn;
    std::set<int> shown;
};

class CondMenu : public CondFixture, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(CondMenu, ShowsTheItemsOfItsModule) {
    const MenuCase& c = GetParam();
    MakeDevice(c.device);
    SetByte(Set(21), c.concentrationOn ? 1 : 2);
    EXPECT_EQ(VisibleEntries(), c.shown);
}

const MenuCase kMenuCases[] = {
    {"Module5V5", {5, '5'}, false, {0, 1, 2, 3, 7, 8, 10, 11, 12, 14, 15, 16}},
    {"Module5ConcentrationOption", {5, '9', '0', kOptConcentration}, false, {0, 1, 2, 3, 7, 8, 9, 10, 11, 12, 14, 15, 16}},
    {"Module182ConcentrationOn", {182, '9', '0', kOptConcentration}, true,
     {0, 1, 2, 3, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
    {"OnWithoutOptionHidesConcentration", {192, 'A'}, true, {0, 1, 2, 3, 7, 8, 10, 11, 12, 14, 15, 16}},
    {"Sensor154", {154, '8', '0', 0, 0, 24}, false, {0, 1, 4, 5, 6, 7, 8, 10, 11, 12, 14, 15, 16}},
    {"Digital172OnCarrier", {172, '9', '0', 0, 0, 27}, false,
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14, 16, 17, 18}},
    {"Digital172ConcentrationOn", {172, 'A', '0', kOptConcentration, 0, 29}, true,
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}},
    {"Digital162BehindIModule", {162, '9', '0', 0, 0, 24}, false,
     {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14, 16, 17, 18}},
};

INSTANTIATE_TEST_SUITE_P(Cases, CondMenu, ::testing::ValuesIn(kMenuCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CondFixture, EveryConductivityTypeUsesItsMenu) {
    for (int type : {5, 154, 182, 192}) EXPECT_EQ(MenuTableOf(type)->entries, MenuCond) << type;
    for (int type : {162, 172}) EXPECT_EQ(MenuTableOf(type)->entries, MenuDigCond) << type;
    EXPECT_EQ(MenuTableOf(5)->end, 17);
    EXPECT_EQ(MenuTableOf(172)->end, 19);
    EXPECT_TRUE(MenuCond[0].flags & kMfGreenTitle);
}

}  // namespace
}  // namespace tessalin::test
