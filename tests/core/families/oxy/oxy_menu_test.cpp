// Which items of the oxygen menu a module shows, by module type, software version, options, measuring
// medium, mode and connection: walked through the device tree.

#include "oxy_fixture.h"

namespace tessalin::test {
namespace {

struct MenuCase {
    const char* name;
    OxyDevice device;
    int measureIn;  // OXY-SET +178
    int mode;       // OXY-SET +288
    std::set<int> shown;
};

class OxyMenu : public OxyFixture, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(OxyMenu, ShowsTheItemsOfItsModuleAndVersion) {
    const MenuCase& c = GetParam();
    MakeDevice(c.device);
    SetByte(Set(178), static_cast<uint8_t>(c.measureIn));
    SetByte(Set(288), static_cast<uint8_t>(c.mode));
    EXPECT_EQ(VisibleEntries(), c.shown);
}

const MenuCase kMenuCases[] = {
    {"Module7V5", {7, '5'}, 1, 1, {0, 1, 2, 21, 22, 24, 29, 30, 31, 32, 33, 36, 37, 38}},
    {"Module10V6Liquids", {10, '6'}, 1, 1,
     {0, 1, 3, 6, 7, 8, 10, 11, 21, 22, 24, 29, 30, 31, 32, 33, 36, 37, 38}},
    {"Module10V6GasVolPercent", {10, '6'}, 2, 1, {0, 1, 3, 6, 7, 8, 10, 11, 21, 22, 24, 29, 30, 34, 36, 37, 38}},
    {"Module10V6GasPpm", {10, '6'}, 3, 1, {0, 1, 3, 6, 7, 8, 10, 11, 21, 22, 24, 29, 30, 35, 36, 37, 38}},
    {"Module11V7Gas", {11, '7'}, 2, 1, {0, 1, 3, 6, 7, 8, 10, 11, 21, 22, 25, 27, 28, 29, 30, 34, 36, 37, 38}},
    {"Module11V7GasWithoutVolumeOption", {11, '7', kOptO2Bier}, 2, 1,
     {0, 1, 3, 6, 7, 8, 10, 11, 21, 22, 25, 27, 28, 29, 30, 31, 32, 33, 36, 37, 38}},
    {"Module20V7", {20, '7'}, 1, 1,
     {0, 1, 4, 6, 7, 8, 9, 10, 11, 14, 15, 16, 17, 18, 19, 20, 21, 22, 25, 26, 27, 28, 29, 30, 31, 32, 33, 36, 38}},
    {"Module21V9Dli", {21, '9'}, 1, 2,
     {0, 1, 4, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16, 17, 18, 19, 20, 21, 23, 25, 26, 27, 28, 29, 30, 31, 32, 33, 36, 38}},
    {"Module26V9LoadMatrix", {26, '9'}, 1, 1,
     {0, 1, 4, 6, 7, 8, 9, 10, 11, 14, 15, 16, 17, 18, 19, 20, 21, 22, 25, 26, 27, 28, 29, 30, 31, 32, 33, 36, 38}},
    {"Module151V8Direct", {151, '8'}, 1, 1,
     {0, 1, 4, 6, 7, 8, 9, 10, 11, 14, 15, 16, 17, 18, 19, 20, 21, 22, 25, 26, 27, 28, 29, 30, 31, 32, 33, 36, 38}},
    {"Module151V8ViaIModule", {151, '8', 0, true}, 1, 1,
     {0, 1, 5, 6, 7, 8, 9, 11, 21, 22, 25, 27, 28, 29, 30, 31, 32, 33, 36}},
    {"Module152V9ViaIModule", {152, '9', 0, true}, 1, 2,
     {0, 1, 5, 6, 7, 8, 9, 10, 11, 14, 15, 16, 17, 18, 19, 20, 21, 22, 25, 27, 28, 29, 30, 31, 32, 33, 36}},
    {"Module181V7", {181, '7'}, 1, 1, {0, 1, 6, 7, 8, 10, 11, 21, 22, 25, 27, 28, 29, 30, 31, 32, 33, 36, 37, 38}},
    {"Module191V5", {191, '5'}, 1, 1, {0, 1, 21, 22, 29, 30, 31, 32, 33, 36, 37, 38}},
};

INSTANTIATE_TEST_SUITE_P(Cases, OxyMenu, ::testing::ValuesIn(kMenuCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OxyFixture, EndEntryClosesTheMenuAfterThirtyNineItems) {
    EXPECT_EQ(MenuOxy[kMenuOxyEnd].level, -1);
    EXPECT_EQ(MenuOxy[kMenuOxyEnd].handler, nullptr);
    for (int i = 0; i < kMenuOxyEnd; ++i) EXPECT_GE(MenuOxy[i].level, 1) << i;
    EXPECT_TRUE(MenuOxy[0].flags & kMfGreenTitle);
}

// From version 8 the current-input and operating-time items keep their "Auto" values up to date as soon
// as the tree asks for them, before any page is opened; "Individual" values stay.
TEST_F(OxyFixture, TreeOfVersion8WritesTheAutoValuesOfCurrentInputAndOperatingTime) {
    struct {
        char major;
        int monitoring;
        bool written;
    } cases[] = {{'8', 2, true}, {'8', 1, true}, {'8', 3, false}, {'7', 2, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(1, c.major) + " monitoring " + std::to_string(c.monitoring));
        ResetWorkspace();
        MakeDevice({20, c.major});
        SetFloat(Fix(136), 5000);
        SetFloat(Fix(140), 1000);
        SetFloat(Fix(144), 9000);
        Ws().ParImage.setU16(Offset(Fix(173)), 300);
        SetByte(Fix(135), static_cast<uint8_t>(c.monitoring));
        SetByte(Fix(172), static_cast<uint8_t>(c.monitoring));
        VisibleEntries();
        EXPECT_FLOAT_EQ(Float(Fix(136)), c.written ? 100000 : 5000);
        EXPECT_FLOAT_EQ(Float(Fix(140)), c.written ? 28570 : 1000);
        EXPECT_FLOAT_EQ(Float(Fix(144)), c.written ? 350000 : 9000);
        EXPECT_EQ(U16(Fix(173)), c.written ? 2000 : 300);
    }
}

}  // namespace
}  // namespace tessalin::test
