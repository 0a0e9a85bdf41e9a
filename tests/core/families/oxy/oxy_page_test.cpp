// Which rows an oxygen page shows, which of them can be edited, which choice items and units they offer,
// and the texts the handlers supply: through the page model of a node of the device tree.

#include "oxy_fixture.h"

namespace tessalin::test {
namespace {

struct Preset {
    Location at;
    uint8_t value;
};

struct RowsCase {
    const char* name;
    OxyDevice device;
    int entry;
    std::vector<Preset> presets;
    std::vector<int> shown;
};

class OxyPageRows : public OxyFixture, public ::testing::WithParamInterface<RowsCase> {};

TEST_P(OxyPageRows, ShowsTheRowsItsRulesAllow) {
    const RowsCase& c = GetParam();
    MakeDevice(c.device);
    for (const Preset& p : c.presets) SetByte(p.at, p.value);
    EXPECT_EQ(ShownRows(OpenPage(c.entry)), c.shown);
}

constexpr uint8_t kOther = 1;

const RowsCase kRowsCases[] = {
    {"CalData", {20, '7'}, 0, {}, {0, 1, 2, 3, 4}},
    {"SensorData7", {7, '6'}, 2, {}, {0, 1, 2, 3, 4}},
    {"SensorData7Other", {7, '6'}, 2, {{Set(23), kOther}}, {0, 1, 2, 3}},
    {"SensorData10V5", {10, '5'}, 3, {}, {0, 2, 3, 4, 5, 8, 10}},
    {"SensorData10V7Other", {10, '7'}, 3, {{Set(23), kOther}}, {1, 2, 3, 4, 5, 6, 7, 8}},
    {"SensorData11V7FixedPolarization", {11, '7', kOptO2Bier}, 3, {}, {2, 3, 4, 5, 7, 8, 9, 10}},
    {"SensorData20V7", {20, '7'}, 4, {}, {1, 2, 4, 5, 6, 7, 9}},
    {"SensorData26V6", {26, '6'}, 4, {}, {0, 3, 4, 5, 6, 7, 9}},
    {"SensorData151ViaIModule", {151, '8', 0, true}, 5, {}, {0, 1, 3, 4}},
    {"SensorData152ViaIModule", {152, '9', 0, true}, 5, {}, {0, 2, 3, 4}},
    {"ModeV8", {20, '8'}, 6, {}, {}},
    {"ModeV9", {20, '9'}, 6, {}, {0}},
    {"QuellixV7", {10, '7'}, 10, {}, {0, 2, 3, 4, 5}},
    {"QuellixV8", {10, '8'}, 10, {}, {1, 2, 3, 4, 5}},
    {"OperatingTimeV7", {21, '7'}, 15, {}, {0, 2, 3}},
    {"OperatingTimeV8", {21, '8'}, 15, {}, {1, 2, 3}},
    {"CalPresetsV5", {10, '5'}, 21, {}, {0, 1, 3, 4}},
    {"CalPresetsV7", {10, '7'}, 21, {}, {0, 1, 3}},
    {"CalPresetsV8", {10, '8'}, 21, {}, {0, 2, 3}},
    {"CalPresetsV8Gas", {10, '8'}, 21, {{Set(178), 2}}, {}},
    {"PressureV6", {7, '6'}, 24, {}, {0, 1, 2, 3, 4}},
    {"SalinityDirect", {10, '7'}, 29, {}, {0, 1}},
    {"SalinityChlorinity", {10, '7'}, 29, {{Set(38), 2}}, {0, 2, 5}},
    {"SalinityConductivity", {10, '7'}, 29, {{Set(38), 3}}, {0, 3, 4, 5}},
    {"MessagesAirOff", {10, '7'}, 31, {}, {0}},
    {"MessagesAirVariable", {10, '7'}, 31, {{Set(74), 3}}, {0, 1, 2, 3, 4}},
    {"MessagesTemperatureVariable", {7, '7'}, 37, {{Set(142), 3}}, {0, 1, 2, 3, 4}},
};

INSTANTIATE_TEST_SUITE_P(Cases, OxyPageRows, ::testing::ValuesIn(kRowsCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- editability ------------------------------------------------------------------------------------

struct EditCase {
    const char* name;
    OxyDevice device;
    int entry;
    std::vector<Preset> presets;
    std::vector<int> enabled;   // rows that can be edited
    std::vector<int> disabled;  // rows shown read-only
};

class OxyPageEditable : public OxyFixture, public ::testing::WithParamInterface<EditCase> {};

TEST_P(OxyPageEditable, EnablesTheRowsItsRulesAllow) {
    const EditCase& c = GetParam();
    MakeDevice(c.device);
    for (const Preset& p : c.presets) SetByte(p.at, p.value);
    const PageModel page = OpenPage(c.entry);
    ExpectEditable(page, c.enabled, c.disabled);
}

constexpr uint8_t kIndividual = 3;

const EditCase kEditCases[] = {
    // The sensor's own data are the user's only for sensor type Other.
    {"SensorData10Standard", {10, '7'}, 3, {}, {2, 7}, {3, 4, 5, 8}},
    {"SensorData10Other", {10, '7'}, 3, {{Set(23), kOther}}, {3, 4, 5, 6}, {}},
    {"SensorData20Other", {20, '7'}, 4, {{Set(23), kOther}}, {4, 5}, {}},
    {"SensorData151ViaIModule", {151, '8', 0, true}, 5, {{Set(23), kOther}}, {1}, {3}},
    // Polarization voltage: always on version 5, later while its Monitoring is Individual; a sensor with a
    // fixed polarization leaves it alone.
    {"PolarizationV5", {10, '5'}, 3, {}, {8}, {}},
    {"PolarizationV7Auto", {10, '7'}, 3, {}, {7}, {8}},
    {"PolarizationV7Individual", {10, '7'}, 3, {{Fix(177), kIndividual}}, {7, 8}, {}},
    {"PolarizationFixed", {10, '7', kOptO2Bier}, 3, {{Fix(177), kIndividual}}, {}, {7, 8}},
    {"PolarizationFixedOther", {10, '7', kOptO2Bier}, 3, {{Set(23), kOther}, {Fix(177), kIndividual}}, {7, 8}, {}},
    {"SlopeAuto", {20, '7'}, 7, {}, {0, 4}, {1, 2, 3}},
    {"SlopeIndividual", {20, '7'}, 7, {{Fix(107), kIndividual}}, {1, 2, 3}, {}},
    {"QuellixV8Individual", {20, '8'}, 10, {{Fix(135), kIndividual}}, {1, 2, 3, 4}, {}},
    {"TemperatureAuto", {20, '7'}, 9, {}, {0, 3}, {1, 2}},
    {"CipOff", {20, '7'}, 16, {}, {0}, {1}},
    {"CalTimerV7Auto", {10, '7'}, 22, {}, {0}, {1}},
    {"CalTimerV7Individual", {10, '7'}, 22, {{Fix(176), kIndividual}}, {0, 1}, {}},
    {"PressureManualDuringMeas", {7, '6'}, 24, {{Set(24), 2}}, {1, 2, 3}, {4}},
    {"DetectionManualDuringCal", {20, '7'}, 28, {{Set(29), 2}}, {0, 1}, {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, OxyPageEditable, ::testing::ValuesIn(kEditCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- choice items -----------------------------------------------------------------------------------

struct ItemsCase {
    const char* name;
    OxyDevice device;
    int entry;
    int row;
    std::vector<int> codes;
};

class OxyPageItems : public OxyFixture, public ::testing::WithParamInterface<ItemsCase> {};

TEST_P(OxyPageItems, OffersTheItemsItsConditionsAllow) {
    const ItemsCase& c = GetParam();
    MakeDevice(c.device);
    EXPECT_EQ(ItemCodes(OpenPage(c.entry), c.row), c.codes);
}

const ItemsCase kItemsCases[] = {
    {"SensorType20", {20, '7'}, 4, 2, {2, 3, 1}},
    {"SensorType26", {26, '7'}, 4, 3, {2, 3, 5, 1}},
    {"SensorType10", {10, '7'}, 3, 2, {2, 4, 3, 1}},
    {"MonitoringV6", {10, '6'}, 31, 0, {1, 2, 3}},
    {"MonitoringV7", {10, '7'}, 31, 0, {1, 3}},
    {"TemperatureMonitoringV7", {10, '7'}, 37, 0, {1, 2, 3}},
    {"DetectionOn20", {20, '7'}, 27, 0, {1, 2, 3}},
    {"DetectionOn10", {10, '7'}, 27, 0, {1, 2}},
    {"DetectionOn151ViaIModule", {151, '8', 0, true}, 27, 0, {2}},
    {"TransmitterOn20", {20, '7'}, 26, 0, {1, 2}},
};

INSTANTIATE_TEST_SUITE_P(Cases, OxyPageItems, ::testing::ValuesIn(kItemsCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OxyFixture, DetectionOffersTheBusWithAFieldbusModuleFromVersion8) {
    MakeDevice({26, '8'});
    Ws().Device.Slot[1].Code = 23;
    Ws().Device.Slot[1].SlotMask = 2;
    EXPECT_EQ(ItemCodes(OpenPage(28), 0), (std::vector<int>{1, 2, 3, 4}));
}

// ---- units ------------------------------------------------------------------------------------------

// Trace sensors and the trace module measure concentrations in µg/l as well as mg/l; standard modules
// in mg/l alone, except the low-range module 11 before version 7 in µg/l.
TEST_F(OxyFixture, ConcentrationUnitsFollowTheModule) {
    struct {
        int module;
        char major;
        std::vector<std::string> units;
    } cases[] = {
        {10, '7', {"mg/l"}},
        {20, '6', {"mg/l"}},
        {7, '7', {"µg/l", "mg/l"}},
        {11, '6', {"µg/l"}},
        {26, '7', {"µg/l", "mg/l"}},
        {191, '7', {"µg/l", "mg/l"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.module);
        ResetWorkspace();
        MakeDevice({c.module, c.major});
        SetByte(Set(108), 3);
        const PageModel page = OpenPage(33);
        ASSERT_NE(page.find(3), nullptr);
        EXPECT_EQ(page.find(3)->units, c.units);
    }
}

// ---- texts from handlers ----------------------------------------------------------------------------

TEST_F(OxyFixture, FixedPolarizationHeadingNamesBothVoltages) {
    MakeDevice({20, '7', kOptO2Bier});
    for (int language = 0; language < kDeviceLanguageCount; ++language) {
        Ws().DeviceLanguage = language;
        const PageModel page = OpenPage(4);
        ASSERT_NE(page.find(8), nullptr) << language;
        const std::string& heading = page.find(8)->label;
        ASSERT_GT(heading.size(), 11u) << language;
        EXPECT_EQ(heading.substr(heading.size() - 11), " 500/675 mV") << language;
        if (language == 1) {
            EXPECT_EQ(heading, "Polarization voltage 500/675 mV");
        }
    }
}

TEST_F(OxyFixture, CalPresetAndPressureHeadingsHaveTwoLinesInEveryLanguage) {
    MakeDevice({7, '6'});
    for (int language = 0; language < kDeviceLanguageCount; ++language) {
        Ws().DeviceLanguage = language;
        for (int entry : {21, 24}) {
            const PageModel page = OpenPage(entry);
            ASSERT_NE(page.find(0), nullptr) << entry;
            const std::string& heading = page.find(0)->label;
            const std::size_t lineBreak = heading.find("\r\n");
            ASSERT_NE(lineBreak, std::string::npos) << entry << " " << language;
            EXPECT_GT(lineBreak, 0u);
            EXPECT_GT(heading.size(), lineBreak + 2);
            EXPECT_EQ(page.find(0)->headingLines, 2);
        }
    }
}

TEST_F(OxyFixture, CalculatedSalinityIsShownReadOnlyBesideItsLabel) {
    MakeDevice({10, '7'});
    SetByte(Set(38), 2);
    SetFloat(Set(34), 18.0655f);
    const PageModel page = OpenPage(29);
    const PageRow* row = page.find(5);
    ASSERT_NE(row, nullptr);
    EXPECT_TRUE(row->heading);
    EXPECT_EQ(row->label, "");
    EXPECT_EQ(row->valueLabel, "Berechnete Salinität");
    EXPECT_EQ(row->value, "18.07");
    EXPECT_FALSE(row->enabled);
}

TEST_F(OxyFixture, TtmEntryIsShownWithThreeDigitsAndNoDecimals) {
    MakeDevice({20, '9'});
    SetByte(Set(288), 2);
    const PageModel page = OpenPage(12);
    ASSERT_NE(page.find(1), nullptr);
    EXPECT_EQ(page.find(1)->value, "760");
}

}  // namespace
}  // namespace tessalin::test
