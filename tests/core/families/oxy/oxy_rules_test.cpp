// What a commit on an oxygen page writes besides its own value: the defaults of a sensor type, the
// polarization voltage, the calibration stamp, the defaults of "Auto" monitoring, the salinity computed
// from its input, and the limits that depend on the module or on another choice.

#include <cmath>
#include <ctime>

#include "core/catalogue/formatters.h"
#include "oxy_fixture.h"

namespace tessalin::test {
namespace {

// Expects a byte written for both sets: at its set-A place and at its copy 0x2000 above where the section
// has one.
void ExpectByteBoth(Location at, int value) {
    EXPECT_EQ(Byte(at, false), value) << SectionOf(at.section).name << " +" << at.offset;
    if (WrittenInBothSets(at.section)) {
        EXPECT_EQ(Ws().ParImage.u8(Offset(at) + 0x2000), value) << SectionOf(at.section).name << " +" << at.offset;
    }
}

// ---- sensor type ------------------------------------------------------------------------------------

struct SensorTypeCase {
    const char* name;
    int module;
    int entry;
    int row;
    int type;
    float slopeNominal, slopeMin, slopeMax, zeroSpread;
    int guard;
};

class OxySensorType : public OxyFixture, public ::testing::WithParamInterface<SensorTypeCase> {};

TEST_P(OxySensorType, BringsTheSlopeAndZeroOfTheSensorAndResetsItsData) {
    const SensorTypeCase& c = GetParam();
    MakeDevice({c.module, '7'});
    SetByte(Set(23), 1);  // start from Other with data of the user's own
    SetByte(Set(177), 1);
    SetByte(Set(176), 1);
    SetByte(Set(9), 9);
    SetFloat(Fix(103), 1.2f);
    PageModel page = OpenPage(c.entry);
    const FollowUp followUp = Choose(page, c.row, c.type);
    EXPECT_TRUE(followUp.rebuildPage);
    ExpectBothSets(Fix(108), c.slopeNominal);
    ExpectBothSets(Fix(112), c.slopeMin);
    ExpectBothSets(Fix(116), c.slopeMax);
    ExpectBothSets(Fix(122), 0);
    ExpectBothSets(Fix(126), -c.zeroSpread);
    ExpectBothSets(Fix(130), c.zeroSpread);
    ExpectByteBoth(Set(177), c.guard);
    ExpectByteBoth(Set(176), 2);
    ExpectByteBoth(Set(9), 8);
    ExpectBothSets(Fix(103), 1.0f);
}

const SensorTypeCase kSensorTypeCases[] = {
    {"Standard", 20, 4, 2, 2, -50, -110, -30, 1, 2},
    {"Trace", 20, 4, 2, 3, -375, -525.5f, -225, 1, 2},
    {"BTrace", 10, 3, 2, 4, -375, -525.5f, -225, 1, 1},
    {"Trace001", 26, 4, 3, 5, -5000, -8000, -2500, 3, 2},
};

INSTANTIATE_TEST_SUITE_P(Cases, OxySensorType, ::testing::ValuesIn(kSensorTypeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OxyFixture, SensorTypeOtherKeepsTheSensorDataAndIndividualItemsKeepTheirValues) {
    MakeDevice({26, '7'});
    SetByte(Set(177), 1);
    SetFloat(Fix(103), 1.2f);
    SetByte(Fix(107), 3);  // slope Individual
    SetFloat(Fix(108), -200);
    PageModel page = OpenPage(4);
    Choose(page, 3, 1);
    ExpectByteBoth(Set(177), 1);
    ExpectBothSets(Fix(103), 1.2f);
    ExpectBothSets(Fix(108), -200);
    ExpectBothSets(Fix(126), -1);  // zero still Auto
    ExpectBothSets(Fix(130), 1);

    ResetWorkspace();
    MakeDevice({26, '7'});
    PageModel other = OpenPage(4);
    Choose(other, 3, 1);
    ExpectBothSets(Fix(108), -100);
    ExpectBothSets(Fix(112), -900);
    ExpectBothSets(Fix(116), -30);
}

// ---- polarization -----------------------------------------------------------------------------------

TEST_F(OxyFixture, PolarizationVoltageFollowsVersionMonitoringAndFixedPolarization) {
    struct {
        const char* name;
        OxyDevice device;
        int polarizationMonitoring;
        int type;
        float voltage;
        int monitoringAfter;
    } cases[] = {
        {"V5", {10, '5'}, 2, 2, 675, 2},
        {"V5Other", {10, '5'}, 2, 1, 300, 2},
        {"V6Auto", {10, '6'}, 2, 2, 675, 2},
        {"V6Individual", {10, '6'}, 3, 2, 300, 3},
        {"FixedPolarization", {10, '7', kOptO2Bier}, 3, 2, 500, 2},
        {"FixedPolarizationOther", {10, '7', kOptO2Bier}, 3, 1, 300, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResetWorkspace();
        MakeDevice(c.device);
        SetFloat(Set(55), 300);
        SetByte(Fix(177), static_cast<uint8_t>(c.polarizationMonitoring));
        SetByte(Set(23), c.type == 1 ? 2 : 1);
        PageModel page = OpenPage(3);
        Choose(page, 2, c.type);
        EXPECT_FLOAT_EQ(Float(Set(55)), c.voltage);
        EXPECT_EQ(Byte(Fix(177)), c.monitoringAfter);
    }
}

// ---- calibration stamp ------------------------------------------------------------------------------

TEST_F(OxyFixture, CalibrationDataStampTheCalibrationAndResetTheCurrentInput) {
    struct {
        char major;
        int currentInputMonitoring;
        bool currentInputReset;
    } cases[] = {{'7', 2, true}, {'7', 3, false}, {'5', 2, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(1, c.major) + " " + std::to_string(c.currentInputMonitoring));
        ResetWorkspace();
        MakeDevice({20, c.major});
        SetByte(Fix(135), static_cast<uint8_t>(c.currentInputMonitoring));
        SetFloat(Fix(136), 5000);
        SetFloat(Fix(140), 4000);
        SetFloat(Fix(144), 6000);
        PageModel page = OpenPage(0);
        const int32_t before = DeviceSecondsNow();
        ASSERT_TRUE(CommitNumber(page, 3, "0.5", true).stored);
        ExpectBothSets(Fix(5), 0.5f);
        EXPECT_EQ(Byte(Fix(46)), 16);
        const uint32_t stamp = Ws().ParImage.u32(Offset(Fix(14)));
        EXPECT_GE(stamp, static_cast<uint32_t>(before));
        EXPECT_LE(stamp, static_cast<uint32_t>(DeviceSecondsNow()));
        EXPECT_FLOAT_EQ(Float(Fix(47)), 100000);
        EXPECT_FLOAT_EQ(Float(Fix(136)), c.currentInputReset ? 100000 : 5000);
        EXPECT_NEAR(Float(Fix(140)), c.currentInputReset ? 100000 / 3.5 : 4000, 0.01);
        EXPECT_FLOAT_EQ(Float(Fix(144)), c.currentInputReset ? 350000 : 6000);
    }
}

// ---- defaults of "Auto" monitoring ------------------------------------------------------------------

TEST_F(OxyFixture, AutoMonitoringWritesTheItemDefaults) {
    struct {
        const char* name;
        int entry;
        Location monitoring;
        int code;
        Location value;
        bool u16;
        double expected;
    } cases[] = {
        {"SlopeNominal", 7, Fix(107), 2, Fix(108), false, -50},
        {"ZeroMax", 8, Fix(121), 2, Fix(130), false, 1},
        {"TemperatureMin", 9, Fix(178), 2, Fix(179), false, -20},
        {"TemperatureMax", 9, Fix(178), 2, Fix(183), false, 150},
        {"ResponseTime", 11, Fix(149), 2, Fix(150), true, 1200},
        {"TtmEntry", 12, Set(289), 2, Set(290), true, 760},
        {"CalTimerAct", 23, Fix(176), 2, Set(70), false, 720},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResetWorkspace();
        MakeDevice({20, '9'});
        SetByte(Set(288), 2);  // DLI, for the TTM entry
        SetByte(c.monitoring, 3);
        if (c.u16) {
            Ws().ParImage.setU16(Offset(c.value), 7);
        } else {
            SetFloat(c.value, 7);
        }
        PageModel page = OpenPage(c.entry);
        Choose(page, 0, c.code);
        const double value = c.u16 ? U16(c.value) : Float(c.value);
        EXPECT_FLOAT_EQ(static_cast<float>(value), static_cast<float>(c.expected));
    }
}

TEST_F(OxyFixture, DliModeAndDliMonitoringResetTheWearItems) {
    MakeDevice({21, '9'});
    SetByte(Fix(153), 3);  // wear Individual
    SetByte(Fix(154), 1);  // quality High
    PageModel mode = OpenPage(6);
    const FollowUp followUp = Choose(mode, 0, 2);
    EXPECT_TRUE(followUp.rebuildBranch);
    ExpectByteBoth(Fix(153), 2);
    ExpectByteBoth(Fix(154), 2);

    SetByte(Fix(154), 1);
    PageModel dli = OpenPage(13);
    Choose(dli, 0, 1);
    EXPECT_EQ(Byte(Fix(154)), 2);
    EXPECT_EQ(U16(Fix(156)), 365);
    EXPECT_EQ(U16(Fix(158)), 2710);
}

// ---- salinity ---------------------------------------------------------------------------------------

TEST_F(OxyFixture, SalinityFollowsItsInputMode) {
    MakeDevice({10, '7'});
    PageModel page = OpenPage(29);
    ASSERT_TRUE(CommitNumber(page, 1, "12", true).stored);
    EXPECT_FLOAT_EQ(Float(Set(34)), 12);

    Choose(page, 0, 2);
    page = OpenPage(29);
    ASSERT_TRUE(CommitNumber(page, 2, "10", true).stored);
    EXPECT_NEAR(Float(Set(34)), 18.0655, 1e-4);

    Choose(page, 0, 3);
    SetFloat(Set(47), 42914);  // µS/cm: the reference sea water
    page = OpenPage(29);
    ASSERT_TRUE(CommitNumber(page, 4, "15", true).stored);
    EXPECT_NEAR(Float(Set(34)), 35.0, 1e-3);
    EXPECT_FLOAT_EQ(Float(Set(34), true), 0);  // the salinity is kept per parameter set
}

// ---- limits -----------------------------------------------------------------------------------------

struct LimitCase {
    const char* name;
    int module;
    char major;
    int entry;
    Location monitoring;
    const char* text;  // in the unit the page shows
    int result;        // of the check: 0 accepted, 4 above the upper limit
};

class OxyMessageLimits : public OxyFixture, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(OxyMessageLimits, UpperLimitDependsOnTheModule) {
    const LimitCase& c = GetParam();
    MakeDevice({c.module, c.major});
    if (c.entry == 34) SetByte(Set(178), 2);  // measuring in gas: volume concentration
    SetByte(c.monitoring, 3);
    PageModel page = OpenPage(c.entry);
    ASSERT_NE(page.find(3), nullptr);
    const NumberOutcome outcome = CommitNumber(page, 3, c.text, true);
    EXPECT_EQ(outcome.result, c.result);
}

const LimitCase kLimitCases[] = {
    {"SaturationOn7", 7, '7', 31, Set(74), "1999", 0},
    {"SaturationOn20V6", 20, '6', 31, Set(74), "1999", 0},
    {"SaturationOn20V7", 20, '7', 31, Set(74), "1000", 4},
    {"SaturationO2On21", 21, '7', 32, Set(91), "999.9", 0},
    {"ConcentrationOn10", 10, '7', 33, Set(108), "100", 4},
    {"ConcentrationOn11InMicrogram", 11, '7', 33, Set(108), "9990", 0},
    {"ConcentrationOn11AboveTenMilligram", 11, '7', 33, Set(108), "10000", 4},
    {"ConcentrationOn21V7", 21, '7', 33, Set(108), "500", 0},
    {"ConcentrationOn26", 26, '7', 33, Set(108), "999.9", 0},
    {"VolumeAboveItsTableLimit", 10, '7', 34, Set(179), "500", 0},
};

INSTANTIATE_TEST_SUITE_P(Cases, OxyMessageLimits, ::testing::ValuesIn(kLimitCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OxyFixture, DifferencePressureTransmitterMayStartBelowZero) {
    for (int transmitter : {1, 2}) {
        ResetWorkspace();
        MakeDevice({20, '7'});
        SetByte(Set(215), static_cast<uint8_t>(transmitter));
        PageModel page = OpenPage(26);
        const NumberOutcome outcome = CommitNumber(page, 2, "-500", true);
        EXPECT_EQ(outcome.result == 0, transmitter == 2) << transmitter;
    }
}

}  // namespace
}  // namespace tessalin::test
