// Which items of the pH menu a module shows, by module type, software version, options, sensor type,
// mode and connection: walked through the device tree.

#include "ph_fixture.h"

namespace tessalin::test {
namespace {

struct MenuCase {
    const char* name;
    PhDevice device;
    int sensorType;  // PH-SET +58
    int mode;        // PH-SET +288
    std::set<int> shown;
};

class PhMenu : public PhFixture, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(PhMenu, ShowsTheItemsOfItsModuleAndVersion) {
    const MenuCase& c = GetParam();
    MakeDevice(c.device);
    SetByte(Set(58), static_cast<uint8_t>(c.sensorType));
    SetByte(Set(288), static_cast<uint8_t>(c.mode));
    EXPECT_EQ(VisibleEntries(), c.shown);
}

constexpr uint32_t kOptTBand = 1u << 5;

const MenuCase kMenuCases[] = {
    {"Module3V5", {3, '5'}, 1, 1,
     {0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 29, 30, 33, 35, 36, 37, 38, 39, 40, 41, 45, 46}},
    {"Module12V5Isfet", {12, '5'}, 3, 1,
     {0, 1, 2, 3, 4, 5, 6, 9, 10, 29, 30, 33, 35, 36, 37, 38, 39, 40, 41, 45, 46}},
    {"Module13V6", {13, '6'}, 1, 1,
     {0, 1, 2, 3, 11, 12, 13, 16, 17, 18, 21, 29, 30, 33, 35, 36, 37, 38, 39, 40, 41, 45, 46}},
    {"Module19V7", {19, '7'}, 1, 1,
     {0, 1, 2, 3, 11, 12, 13, 14, 15, 17, 18, 23, 24, 25, 26, 27, 29, 30, 33, 35, 36, 37, 38, 39, 40, 41, 46}},
    {"Module19V9LoadMatrix", {19, '9'}, 1, 1,
     {0, 1, 2, 3, 11, 12, 13, 14, 15, 17, 18, 23, 24, 25, 26, 27, 29, 30, 33, 35, 36, 37, 38, 39, 40, 41, 46}},
    {"Module19V9Dli", {19, '9'}, 1, 2,
     {0, 1, 2, 3, 11, 12, 13, 14, 15, 17, 18, 19, 20, 24, 25, 26, 27, 29, 31, 33, 35, 36, 37, 38, 39, 40, 41, 46}},
    {"Module19V9IsfetDli", {19, '9'}, 3, 2,
     {0, 1, 2, 3, 11, 12, 13, 14, 15, 18, 19, 20, 22, 24, 25, 26, 27, 29, 31, 33, 35, 36, 37, 38, 39, 40, 41, 46}},
    {"Co2Module18V8", {18, '8', kOptTBand}, 1, 1,
     {0, 1, 2, 3, 11, 12, 13, 14, 15, 17, 18, 23, 24, 25, 26, 27, 28, 29, 30, 34, 35, 37, 38, 42, 43, 44}},
    {"Co2Module18V5", {18, '5'}, 1, 1, {0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 28, 29, 30, 34, 35, 37, 38, 42, 43, 44, 45}},
    {"Module4VAIsfetToleranceBand", {4, 'A', kOptTBand}, 3, 1,
     {0, 1, 2, 3, 11, 12, 13, 15, 18, 21, 29, 30, 32, 33, 35, 36, 37, 38, 39, 40, 41, 45, 46}},
    {"Module150V8ThroughIModule", {150, '8', 0, true}, 1, 1,
     {0, 1, 2, 3, 11, 12, 13, 14, 17, 18, 29, 30, 33, 35, 36, 37, 38, 39, 46}},
    {"Module150V9ThroughIModule", {150, '9', 0, true}, 1, 1,
     {0, 1, 2, 3, 11, 12, 13, 14, 17, 18, 23, 24, 26, 29, 30, 33, 35, 36, 37, 38, 39, 46}},
    {"Module180V9", {180, '9'}, 1, 1,
     {0, 1, 2, 3, 11, 12, 13, 15, 17, 18, 29, 30, 33, 35, 36, 37, 38, 39, 40, 41, 46}},
    {"Module190VA", {190, 'A'}, 1, 1,
     {0, 1, 2, 3, 11, 12, 13, 15, 17, 18, 29, 30, 33, 35, 36, 37, 38, 39, 40, 41, 46}},
};

INSTANTIATE_TEST_SUITE_P(Cases, PhMenu, ::testing::ValuesIn(kMenuCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PhFixture, EndEntryClosesTheMenuAfterFortySevenItems) {
    EXPECT_EQ(MenuPH[kMenuPHEnd].level, -1);
    EXPECT_EQ(MenuPH[kMenuPHEnd].handler, nullptr);
    for (int i = 0; i < kMenuPHEnd; ++i) EXPECT_GE(MenuPH[i].level, 1) << i;
    EXPECT_TRUE(MenuPH[0].flags & kMfGreenTitle);
}

}  // namespace
}  // namespace tessalin::test
