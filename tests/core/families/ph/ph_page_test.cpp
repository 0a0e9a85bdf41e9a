// Which rows a pH page shows, which of them can be edited, which choice items they offer, and the texts
// that the handlers supply: through the page model of a node of the device tree.

#include "ph_fixture.h"

namespace tessalin::test {
namespace {

struct Preset {
    Location at;
    uint8_t value;
};

struct RowsCase {
    const char* name;
    PhDevice device;
    int entry;
    std::vector<Preset> presets;
    std::vector<int> shown;
};

class PhPageRows : public PhFixture, public ::testing::WithParamInterface<RowsCase> {};

TEST_P(PhPageRows, ShowsTheRowsItsRulesAllow) {
    const RowsCase& c = GetParam();
    MakeDevice(c.device);
    for (const Preset& p : c.presets) SetByte(p.at, p.value);
    EXPECT_EQ(ShownRows(OpenPage(c.entry)), c.shown);
}

constexpr uint32_t kOptAdap = 1u << 3;
constexpr uint32_t kOptPhSen = 1u << 11;

const RowsCase kRowsCases[] = {
    {"CalDataStandard", {3, '7'}, 0, {}, {0, 1, 2, 3, 4, 5}},
    {"CalDataPfaudlerOn13", {13, '7'}, 0, {{Set(58), 4}}, {0, 1, 2, 3, 4, 6}},
    {"CalDataIsfetOn4", {4, '7'}, 0, {{Set(58), 3}}, {0, 1, 2, 3, 4, 5, 7}},
    {"InputFilterPh", {3, '7'}, 1, {}, {0}},
    {"InputFilterCo2", {18, '7'}, 1, {}, {1, 2}},
    {"SensorDataV5SensorOption", {3, '5', kOptPhSen}, 2, {}, {0, 1, 5}},
    {"SensorDataV5", {3, '5'}, 2, {}, {0, 5}},
    {"SensorDataV7", {3, '7'}, 2, {}, {0, 5}},
    {"SensorDataCo2", {18, '8'}, 2, {}, {2, 3, 4, 5}},
    {"TempProbe12", {12, '7'}, 3, {}, {0, 2, 3, 4, 5}},
    {"TempProbe19", {19, '7'}, 3, {}, {1, 2, 3, 4, 5}},
    {"TempProbe150ThroughIModule", {150, '8', 0, true}, 3, {}, {2, 3, 4, 5}},
    {"SlopeV5", {3, '5'}, 4, {}, {1, 2, 3, 4}},
    {"SlopeV6", {3, '6'}, 12, {}, {0, 1, 2, 3, 4}},
    {"ModeV8", {19, '8'}, 11, {}, {}},
    {"ModeV9", {19, '9'}, 11, {}, {0}},
    {"CalTimerV5", {3, '5'}, 30, {}, {1}},
    {"CalTimerV5Adaptive", {3, '5', kOptAdap}, 30, {}, {1, 2}},
    {"CalTimerV7", {3, '7'}, 30, {}, {0, 1, 2}},
    {"CalPresetsPh", {3, '7'}, 29, {}, {0, 1, 2}},
    {"CalPresetsCo2", {18, '8'}, 29, {}, {0, 1, 2, 3}},
    {"TcOff", {3, '7'}, 35, {}, {0}},
    {"TcLinear", {3, '7'}, 35, {{Set(40), 4}}, {0, 1}},
    {"TcTable", {3, '7'}, 35, {{Set(40), 3}},
     {0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}},
    {"OrpRhOn13WithFactor", {13, '7'}, 36, {{Set(35), 1}}, {0, 2, 3}},
    {"OrpRhOn3", {3, '7'}, 36, {}, {0, 1, 2}},
    {"DeltaPhOff", {3, '7'}, 37, {}, {0}},
    {"DeltaPhMvOrp", {3, '7'}, 37, {{Set(45), 4}}, {0, 1}},
    {"DeltaCo2MgL", {18, '8'}, 37, {{Set(45), 90}}, {2, 3}},
    {"PressureCo2", {18, '8'}, 34, {}, {0, 1}},
    {"MessagesPhDeviceLimits", {3, '7'}, 39, {}, {0}},
    {"MessagesPhVariable", {3, '7'}, 39, {{Set(112), 3}}, {0, 1, 2, 3, 4}},
    {"MessagesSaturationVariable", {18, '8'}, 42, {{Set(129), 3}}, {0, 1, 2, 3, 4}},
    {"MessagesTemperatureVariable", {3, '7'}, 45, {{Set(163), 3}}, {0, 1, 2, 3, 4}},
};

INSTANTIATE_TEST_SUITE_P(Cases, PhPageRows, ::testing::ValuesIn(kRowsCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- editability ------------------------------------------------------------------------------------

struct EditCase {
    const char* name;
    PhDevice device;
    int entry;
    std::vector<Preset> presets;
    std::vector<int> enabled;   // rows that can be edited
    std::vector<int> disabled;  // rows shown read-only
};

class PhPageEditable : public PhFixture, public ::testing::WithParamInterface<EditCase> {};

TEST_P(PhPageEditable, EnablesTheRowsItsRulesAllow) {
    const EditCase& c = GetParam();
    MakeDevice(c.device);
    for (const Preset& p : c.presets) SetByte(p.at, p.value);
    const PageModel page = OpenPage(c.entry);
    ExpectEditable(page, c.enabled, c.disabled);
}

const EditCase kEditCases[] = {
    // Version 5: limits only with the sensor option and individual sensor monitoring; the nominal slope
    // only for sensor type Others.
    {"SlopeV5Default", {3, '5', kOptPhSen}, 4, {}, {4}, {1, 2, 3}},
    {"SlopeV5Individual", {3, '5', kOptPhSen}, 4, {{Fix(49), 2}}, {2, 3}, {1}},
    {"SlopeV5IndividualWithoutOption", {3, '5'}, 4, {{Fix(49), 2}}, {}, {2, 3}},
    {"SlopeV5Others", {3, '5'}, 4, {{Set(58), 2}}, {1}, {2, 3}},
    {"ZeroV5PfaudlerOn13", {13, '5'}, 5, {{Set(58), 4}}, {1}, {2, 3}},
    // From version 6 the item's own Monitoring decides.
    {"SlopeV7Auto", {3, '7'}, 12, {}, {0, 4}, {1, 2, 3}},
    {"SlopeV7Individual", {3, '7'}, 12, {{Fix(177), 3}}, {1, 2, 3}, {}},
    {"RefElV8Individual", {3, '8'}, 15, {{Fix(179), 3}}, {1, 2, 3}, {}},
    {"GlassElV8Auto", {3, '8'}, 17, {}, {0}, {1, 2, 3}},
    {"ResponseTimeV6Individual", {3, '6'}, 18, {{Fix(181), 3}}, {1}, {}},
    {"TemperatureAuto", {19, '7'}, 14, {}, {0, 3}, {1, 2}},
    {"WearIndividual", {19, '7'}, 23, {{Fix(184), 3}}, {1}, {}},
    {"CipOff", {19, '7'}, 25, {}, {0}, {1}},
    {"CalTimerV5", {3, '5'}, 30, {}, {1}, {}},
    {"CalTimerV7Auto", {3, '7'}, 30, {{Fix(183), 2}}, {0}, {1}},
    {"ManualTemperature", {3, '7'}, 3, {{Set(11), 2}, {Set(16), 1}}, {2, 3, 4}, {5}},
    {"TemperatureThroughIModule", {150, '8', 0, true}, 3, {}, {}, {2, 4}},
    {"ElectrolyteAuto", {18, '8'}, 2, {}, {2}, {3, 4}},
    {"ElectrolyteIndividual", {18, '8'}, 2, {{Fix(213), 3}}, {3, 4}, {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, PhPageEditable, ::testing::ValuesIn(kEditCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- choice items -----------------------------------------------------------------------------------

struct ItemsCase {
    const char* name;
    PhDevice device;
    uint8_t brand;
    int entry;
    int row;
    std::vector<int> codes;
};

class PhPageItems : public PhFixture, public ::testing::WithParamInterface<ItemsCase> {};

TEST_P(PhPageItems, OffersTheItemsItsConditionsAllow) {
    const ItemsCase& c = GetParam();
    MakeDevice(c.device);
    Ws().Device.Front.Brand = c.brand;
    EXPECT_EQ(ItemCodes(OpenPage(c.entry), c.row), c.codes);
}

constexpr uint32_t kOptPuff = 1u << 2;

const ItemsCase kItemsCases[] = {
    {"SensorTypeOn13", {13, '7'}, 0, 2, 0, {4, 5, 6}},
    {"SensorTypeOn12", {12, '7'}, 0, 2, 0, {1, 3}},
    {"SensorTypeOn3V5", {3, '5'}, 0, 2, 0, {1, 2}},
    {"SensorTypeOn19", {19, '8'}, 0, 2, 0, {1, 3}},
    {"TempProbeOn12", {12, '7'}, 0, 3, 0, {1, 2, 6, 3}},
    {"TempProbeOn3", {3, '7'}, 0, 3, 0, {1, 2, 3}},
    {"TempProbeOn19", {19, '7'}, 0, 3, 1, {4, 5, 6, 9, 12}},
    {"TempProbeOn4", {4, '7'}, 0, 3, 1, {4, 5, 6, 9}},
    {"OperatingTimeV7", {19, '7'}, 0, 24, 0, {1, 3}},
    {"OperatingTimeV8", {19, '8'}, 0, 24, 0, {1, 2, 3}},
    {"BuffersV8Morvane", {3, '8'}, 0, 29, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14}},
    {"BuffersV9SollaneWithTable", {3, '9', kOptPuff}, 2, 29, 0, {15, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 33}},
    {"BuffersV7Brevon", {3, '7'}, 1, 29, 0, {2, 3, 4, 5, 6}},
    {"BuffersV6Morvane", {3, '6'}, 0, 29, 0, {1, 2, 3, 4, 5, 6, 7}},
    {"BuffersCo2V8", {18, '8'}, 0, 29, 0, {12}},
};

INSTANTIATE_TEST_SUITE_P(Cases, PhPageItems, ::testing::ValuesIn(kItemsCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- texts from handlers ----------------------------------------------------------------------------

TEST_F(PhFixture, BufferHeadingDescribesTheChosenSet) {
    MakeDevice({3, '9'});
    const long long bufFix = ParamOffset(At(Section::BUF_FIX, 0), 0, false);
    Ws().ParImage.setU16(bufFix + 0, 2000);
    Ws().ParImage.setU16(bufFix + 42, 7000);
    Ws().ParImage.setU16(bufFix + 84, static_cast<uint16_t>(-1500));
    struct {
        int language;
        uint8_t set;
        const char* heading;
    } cases[] = {
        {0, 5, "NIST Standard  4.006 6.865 9.180"},
        {1, 5, "NIST standard  4.006 6.865 9.180"},
        {1, 15, "Morvane Pelorix    2.00 4.01 7.00 9.21"},
        {0, 33, "Tabelle 2.00 7.00 -1.50"},
        {1, 33, "Chart 2.00 7.00 -1.50"},
        {1, 40, ""},
    };
    for (const auto& c : cases) {
        Ws().DeviceLanguage = c.language;
        SetByte(Set(21), c.set);
        const PageModel page = OpenPage(29);
        ASSERT_NE(page.find(1), nullptr);
        EXPECT_EQ(page.find(1)->label, c.heading) << "set " << int(c.set);
        EXPECT_EQ(page.find(1)->headingLines, 1);
    }
}

TEST_F(PhFixture, ToleranceBandHeadingHasTwoLinesInEveryLanguage) {
    MakeDevice({3, '7', 1u << 5});
    for (int language = 0; language < kDeviceLanguageCount; ++language) {
        Ws().DeviceLanguage = language;
        const PageModel page = OpenPage(32);
        ASSERT_NE(page.find(0), nullptr);
        const std::string& heading = page.find(0)->label;
        const std::size_t lineBreak = heading.find("\r\n");
        ASSERT_NE(lineBreak, std::string::npos) << language;
        EXPECT_GT(lineBreak, 0u) << language;
        EXPECT_GT(heading.size(), lineBreak + 2) << language;
        EXPECT_EQ(page.find(0)->headingLines, 2);
        if (language == 1) {
            EXPECT_EQ(heading, "Calibration data taken over when\r\ndeviation within the tolerance band");
        }
    }
}

TEST_F(PhFixture, TtmEntryIsShownWithFourDigitsAndNoDecimals) {
    MakeDevice({19, '9'});
    SetByte(Set(288), 2);
    const PageModel page = OpenPage(19);
    ASSERT_NE(page.find(1), nullptr);
    EXPECT_EQ(page.find(1)->value, "760");
}

}  // namespace
}  // namespace tessalin::test
