// The digital (161, 171) and optical (211) oxygen sensors: the items and rows their menus show, the
// oxygen rules they share, their own rules, the LDO default records, and the optical sensor added
// through the configurator.

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/families/default_records.h"
#include "core/families/oxy/sensors.h"
#include "oxy_fixture.h"
#include "support/configured_device.h"
#include "support/text_checks.h"

namespace tessalin::test {
namespace {

constexpr Location Ldo(uint16_t offset) { return At(Section::LDO_FIX, offset); }

struct SensorMenuCase {
    const char* name;
    OxyDevice device;
    bool optical;
    std::set<int> shown;
};

class OxySensorMenus : public OxyFixture, public ::testing::WithParamInterface<SensorMenuCase> {};

TEST_P(OxySensorMenus, ShowTheItemsOfTheirCarrierAndVersion) {
    const SensorMenuCase& c = GetParam();
    MakeDevice(c.device);
    if (c.optical) {
        EXPECT_EQ(VisibleEntries(MenuOptOxy, kMenuOptOxyEnd), c.shown);
    } else {
        EXPECT_EQ(VisibleEntries(MenuDigOxy, kMenuDigOxyEnd), c.shown);
    }
}

const SensorMenuCase kSensorMenuCases[] = {
    {"Digital161OnDigitalSensorModule", {161, '7', 0, false, 27}, false,
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 24}},
    // Without a digital-sensor carrier: no operating mode and no external pressure transmitter.
    {"Digital171V5WithoutCarrier", {171, '5'}, false,
     {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 16, 17, 18, 19, 20, 21, 24}},
    {"Optical211", {211, 'A', 0, false, 29}, true,
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 27}},
    {"Optical211WithoutCarrier", {211, '5'}, true,
     {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 18, 19, 20, 21, 22, 23, 24, 27}},
};

INSTANTIATE_TEST_SUITE_P(Cases, OxySensorMenus, ::testing::ValuesIn(kSensorMenuCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OxyFixture, SensorDataOfDigitalAndOpticalSensors) {
    struct {
        const char* name;
        OxyDevice device;
        const TMenuEntry* menu;
        std::vector<int> shown;
        std::vector<int> disabled;
    } cases[] = {
        {"Digital", {161, '7', 0, false, 27}, MenuDigOxy, {0, 1, 2, 3}, {1, 2}},
        {"DigitalWithoutVolumeOption", {161, '7', kOptO2Bier, false, 27}, MenuDigOxy, {1, 2, 3}, {1, 2}},
        {"Optical", {211, '9', 0, false, 29}, MenuOptOxy, {0, 3}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResetWorkspace();
        MakeDevice(c.device);
        const PageModel page = OpenPage(2, c.menu);
        EXPECT_EQ(ShownRows(page), c.shown);
        for (int row : c.disabled) {
            ASSERT_NE(page.find(row), nullptr);
            EXPECT_FALSE(page.find(row)->enabled) << row;
        }
    }
}

// The shared tables keep their rules: Auto slope monitoring writes the defaults of the sensor type the
// digital sensor reports.
TEST_F(OxyFixture, DigitalSensorSlopeFollowsTheOxygenRules) {
    MakeDevice({171, '8', 0, false, 27});
    SetByte(Set(23), 5);  // Trace sensor 001
    SetByte(Fix(107), 3);
    PageModel page = OpenPage(4, MenuDigOxy);
    Choose(page, 0, 2);
    EXPECT_FLOAT_EQ(Float(Fix(108)), -5000);
    EXPECT_FLOAT_EQ(Float(Fix(112)), -8000);
    EXPECT_FLOAT_EQ(Float(Fix(116)), -2500);
}

TEST_F(OxyFixture, OpticalSlopeAndZeroMonitoringAreShownReadOnly) {
    MakeDevice({211, 'A', 0, false, 29});
    for (int entry : {4, 5}) {
        const PageModel page = OpenPage(entry, MenuOptOxy);
        EXPECT_EQ(ShownRows(page), (std::vector<int>{0, 1}));
        ASSERT_NE(page.find(0), nullptr);
        EXPECT_FALSE(page.find(0)->enabled) << entry;
        EXPECT_TRUE(page.find(1)->enabled) << entry;
    }
}

TEST_F(OxyFixture, CutOffTemperatureIs85UnderAutoAndWithin50To125WhenIndividual) {
    MakeDevice({211, 'A', 0, false, 29});
    PageModel page = OpenPage(12, MenuOptOxy);
    EXPECT_EQ(ShownRows(page), (std::vector<int>{0, 2, 3}));
    EXPECT_FALSE(page.find(2)->enabled);

    Choose(page, 0, 3);
    page = OpenPage(12, MenuOptOxy);
    EXPECT_TRUE(page.find(2)->enabled);
    EXPECT_EQ(CommitNumber(page, 2, "130", true).result, 4);
    ASSERT_TRUE(CommitNumber(page, 2, "110", true).stored);
    EXPECT_FLOAT_EQ(Float(Ldo(209)), 110);

    Choose(page, 0, 2);
    EXPECT_FLOAT_EQ(Float(Ldo(209)), 85);
}

TEST(OxySensorDefaults, LdoRecordsCarryTheOxygenDefaultsAndTheOpticalItems) {
    const auto set = LdoSetDefaultRecord();
    const auto fix = LdoFixDefaultRecord();
    ASSERT_EQ(set.size(), SectionOf(Section::LDO_SET).size);
    ASSERT_EQ(fix.size(), SectionOf(Section::LDO_FIX).size);
    EXPECT_EQ(DefaultRecord(Section::LDO_SET).data(), set.data());
    EXPECT_EQ(DefaultRecord(Section::LDO_FIX).data(), fix.data());
    // The bytes the oxygen sections share with the LDO sections hold the oxygen defaults, the LDO-SET
    // bytes with the pressure settings of a sensor on a carrier.
    const auto oxySet = OxySetDefaultRecord();
    const auto oxyFix = OxyFixDefaultRecord();
    std::vector<uint8_t> onCarrier(oxySet.begin(), oxySet.end());
    for (const OxygenSetStart& start : kOxygenWithoutAirPressureStarts) onCarrier[start.offset] = start.value;
    EXPECT_TRUE(std::equal(onCarrier.begin(), onCarrier.end(), set.begin()));
    EXPECT_TRUE(std::equal(oxyFix.begin(), oxyFix.end(), fix.begin()));
    for (std::size_t i = oxySet.size(); i < set.size(); ++i) EXPECT_EQ(set[i], 0) << "LDO-SET +" << i;
    EXPECT_EQ(fix[204], 2);   // cut-off Monitoring Auto
    EXPECT_EQ(fix[213], 1);   // its message Off
    float cutOffMax = 0;
    std::memcpy(&cutOffMax, fix.data() + 209, 4);
    EXPECT_FLOAT_EQ(cutOffMax, 150);
}

TEST(OxySensorConfigurator, OpticalModuleOnBase50ShowsItsMenuWithItsDefaults) {
    ASSERT_TRUE(BuildThroughConfigurator({.codes = {50, 29}, .major = 'A'}));
    int slot = -1;
    for (int s = 0; s < 3; ++s)
        if (Ws().Device.Slot[s].Code == 211) slot = s;
    ASSERT_GE(slot, 0);

    BuildDeviceTree();
    const std::set<int> shown = VisibleEntries(MenuOptOxy, kMenuOptOxyEnd);
    EXPECT_EQ(shown.size(), 26u);
    EXPECT_TRUE(shown.count(0));  // its operating mode
    EXPECT_EQ(Ws().ParImage.u8(ParamOffset(At(Section::OXY_SET, 23), static_cast<uint8_t>(slot), false)), 2);
    EXPECT_FLOAT_EQ(Ws().ParImage.f32(ParamOffset(Ldo(209), static_cast<uint8_t>(slot), false)), 150);
}

TEST(OxySensorTexts, EveryTextOfBothMenusExistsInAllLanguages) {
    EXPECT_GT(ExpectMenuTextsComplete(MenuTable{"MenuDigOxy", MenuDigOxy, kMenuDigOxyEnd}), 80);
    EXPECT_GT(ExpectMenuTextsComplete(MenuTable{"MenuOptOxy", MenuOptOxy, kMenuOptOxyEnd}), 80);
}

}  // namespace
}  // namespace tessalin::test
