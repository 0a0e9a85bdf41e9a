// What a commit on a pH page writes besides its own value: limits recomputed from nominal values, the
// defaults of a sensor type, the calibration stamp, the defaults of "Auto" monitoring, and the CO2 limits.

#include "core/catalogue/formatters.h"
#include "ph_fixture.h"

namespace tessalin::test {
namespace {

constexpr uint32_t kOptPhSen = 1u << 11;

TEST_F(PhFixture, PfaudlerStandardWithDefaultMonitoringSetsZeroAndReferenceLimits) {
    for (char major : {'5', '6', '7', '9'}) {
        SCOPED_TRACE(major);
        ResetWorkspace();
        MakeDevice({13, major});
        SetFloat(Fix(68), 8000);
        PageModel page = OpenPage(2);
        const FollowUp followUp = Choose(page, 0, 4);
        EXPECT_TRUE(followUp.rebuildBranch);
        EXPECT_EQ(Byte(Fix(49)), 1);
        ExpectBothSets(Set(59), 1.5f);
        ExpectBothSets(Set(63), 59.2f);
        ExpectBothSets(Fix(59), 0.5f);
        ExpectBothSets(Fix(63), 2.5f);
        ExpectBothSets(Fix(68), 0);
        ExpectBothSets(Fix(72), 0);
        ExpectBothSets(Fix(76), 1000000);
        ExpectBothSets(Fix(50), 59.2f * 0.9f);
        ExpectBothSets(Fix(54), 59.2f * 1.03f);
    }
}

TEST_F(PhFixture, SensorTypeKeepsIndividualMonitoringOnVersion5WithSensorOption) {
    MakeDevice({13, '5', kOptPhSen});
    SetByte(Fix(49), 2);
    SetFloat(Fix(59), 3);
    PageModel page = OpenPage(2);
    Choose(page, 0, 5);
    EXPECT_EQ(Byte(Fix(49)), 2);
    ExpectBothSets(Set(59), 10.0f);
    ExpectBothSets(Fix(59), 3);  // limits stay as the user set them
}

TEST_F(PhFixture, CommittedNominalZeroRecomputesItsLimitsInEveryVersion) {
    for (char major : {'5', '6', '7', '8', '9', 'A'}) {
        SCOPED_TRACE(major);
        ResetWorkspace();
        MakeDevice({3, major});
        SetByte(Set(58), 2);       // Others: the nominal is editable on version 5
        SetByte(Fix(178), 3);      // Individual from version 6 on
        PageModel page = OpenPage(major == '5' ? 5 : 13);
        const NumberOutcome outcome = CommitNumber(page, 1, "6.5", true);
        ASSERT_TRUE(outcome.stored);
        ExpectBothSets(Set(59), 6.5f);
        ExpectBothSets(Fix(59), 5.5f);
        ExpectBothSets(Fix(63), 7.5f);
    }
}

TEST_F(PhFixture, AutoZeroMonitoringOnVersion6ResetsTheNominalToTheSensorTypeDefault) {
    MakeDevice({13, '6'});
    SetByte(Set(58), 5);
    SetByte(Fix(178), 3);
    SetFloat(Set(59), 8);
    PageModel page = OpenPage(13);
    Choose(page, 0, 2);
    ExpectBothSets(Set(59), 10.0f);
    ExpectBothSets(Fix(59), 9.0f);
    ExpectBothSets(Fix(63), 11.0f);
}

TEST_F(PhFixture, SlopeLimitsFollowTheNominalAndTheSensorType) {
    struct {
        int module;
        int sensorType;
        float min;
    } cases[] = {{3, 1, 45.0f}, {4, 3, 35.0f}};
    for (const auto& c : cases) {
        ResetWorkspace();
        MakeDevice({c.module, '7'});
        SetByte(Set(58), static_cast<uint8_t>(c.sensorType));
        SetByte(Fix(177), 3);
        PageModel page = OpenPage(12);
        ASSERT_TRUE(CommitNumber(page, 1, "50", true).stored);
        ExpectBothSets(Fix(50), c.min);
        ExpectBothSets(Fix(54), 51.5f);
    }
}

TEST_F(PhFixture, ReferenceLimitsDependOnSensorTypeAndModule) {
    struct {
        int module;
        int sensorType;
        float nominal;
        float min;
        float max;
    } cases[] = {
        {3, 1, 5000, 3125, 102500},    // Standard
        {4, 3, 8000, 5000, 104000},    // ISFET
        {13, 4, 8000, 0, 1000000},     // Pfaudler standard
        {13, 5, 7000, 2000, 24500},    // Pfaudler diff.
        {13, 6, 7000, 2000, 24500},    // Glass el. diff.
        {13, 2, 7000, 2000, 24500},    // Others on module 13
        {3, 2, 8000, 5000, 104000},    // Others elsewhere
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.module * 100 + c.sensorType);
        ResetWorkspace();
        MakeDevice({c.module, '7'});
        SetByte(Set(58), static_cast<uint8_t>(c.sensorType));
        SetFloat(Fix(68), c.nominal);
        PageModel page = OpenPage(c.module == 13 ? 16 : 15);
        Choose(page, 0, 3);
        ExpectBothSets(Fix(72), c.min);
        ExpectBothSets(Fix(76), c.max);
    }
}

TEST_F(PhFixture, CalibrationDataStampsTheTimeEvenWhenTheValueDidNotChange) {
    MakeDevice({3, '7'});
    PageModel page = OpenPage(0);
    const int32_t before = DeviceSecondsNow();
    ASSERT_TRUE(CommitNumber(page, 3, "7.00", false).stored);  // the stored zero 7 typed in again
    const int32_t after = DeviceSecondsNow();
    // PH-FIX is kept once for both sets, with its copy 0x2000 above.
    EXPECT_EQ(Byte(Fix(134)), 4);
    const auto stamp = static_cast<int32_t>(Ws().ParImage.u32(Offset(Fix(102))));
    EXPECT_GE(stamp, before);
    EXPECT_LE(stamp, after);
    EXPECT_EQ(Ws().ParImage.u32(Offset(Fix(102)) + 0x2000), static_cast<uint32_t>(stamp));
    Ws().ParImage.setU32(Offset(Fix(102)), 0);
    SetByte(Fix(134), 0);
    CommitText(page, 1, "AB123");
    EXPECT_EQ(Byte(Fix(134)), 4);
    EXPECT_GE(static_cast<int32_t>(Ws().ParImage.u32(Offset(Fix(102)))), before);
}

TEST_F(PhFixture, CalibrationStampWritesTheReferenceDefaultOfTheSensorType) {
    struct {
        char major;
        int sensorType;
        int refMonitoring;
        float refDefault;
        float nominal;  // reference nominal afterwards
    } cases[] = {
        {'7', 6, 2, 1.2e8f, 1.2e8f},
        {'7', 5, 2, 3e7f, 3e7f},
        {'7', 5, 3, 3e7f, 9000},  // Individual keeps the nominal
        {'5', 5, 2, 3e7f, 3e7f},
        {'5', 2, 2, 0, 9000},     // Others on version 5 keeps it too
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(1, c.major) + std::to_string(c.sensorType));
        ResetWorkspace();
        MakeDevice({13, c.major});
        SetByte(Set(58), static_cast<uint8_t>(c.sensorType));
        SetByte(Fix(179), static_cast<uint8_t>(c.refMonitoring));
        SetFloat(Fix(68), 9000);
        PageModel page = OpenPage(0);
        ASSERT_TRUE(CommitNumber(page, 4, "58.0", false).stored);  // the stored slope typed in again
        ExpectBothSets(Fix(139), c.refDefault);
        ExpectBothSets(Fix(68), c.nominal);
    }
}

TEST_F(PhFixture, DliModeSetsNormalQualityAndTurnsIndividualWearMonitoringToAuto) {
    MakeDevice({19, '9'});
    SetByte(Fix(184), 3);
    SetByte(Fix(185), 1);
    PageModel page = OpenPage(11);
    const FollowUp followUp = Choose(page, 0, 2);
    EXPECT_TRUE(followUp.rebuildBranch);
    EXPECT_EQ(Byte(Fix(185)), 2);
    EXPECT_EQ(Byte(Fix(184)), 2);
    const std::set<int> shown = VisibleEntries();
    EXPECT_TRUE(shown.count(19) && shown.count(20) && shown.count(31));
    EXPECT_FALSE(shown.count(23) || shown.count(30));
}

TEST_F(PhFixture, DriftControlSetsTheResponseTimeUnlessItIsIndividualOnVersion6) {
    struct {
        char major;
        int monitoring;
        int drift;
        int expected;
    } cases[] = {{'7', 2, 1, 120}, {'7', 2, 3, 60}, {'7', 3, 1, 120}, {'6', 2, 1, 120}, {'6', 3, 1, 77}};
    for (const auto& c : cases) {
        ResetWorkspace();
        MakeDevice({3, c.major});
        SetByte(Fix(181), static_cast<uint8_t>(c.monitoring));
        Ws().ParImage.setU16(Offset(Fix(94)), 77);
        PageModel page = OpenPage(29);
        Choose(page, 2, c.drift);
        EXPECT_EQ(U16(Fix(94)), c.expected) << c.major << " " << c.monitoring << " " << c.drift;
    }
}

// Monitoring rows that write their item's defaults when set to anything but Individual.
struct DefaultCase {
    const char* name;
    PhDevice device;
    int entry;
    int row;
    int code;
    Location at;
    int width;  // 1, 2 bytes or 4 for a float
    float expected;
    bool bothSets;
    std::vector<std::pair<Location, uint8_t>> presets = {};
};

class PhMonitoringDefaults : public PhFixture, public ::testing::WithParamInterface<DefaultCase> {};

TEST_P(PhMonitoringDefaults, WriteTheItemDefaults) {
    const DefaultCase& c = GetParam();
    MakeDevice(c.device);
    for (const auto& [at, value] : c.presets) SetByte(at, value);
    const long long a = Offset(c.at);
    for (long long o : {a, a + 0x2000}) Ws().ParImage.fill(o, 4, 0xEE);
    PageModel page = OpenPage(c.entry);
    // start from Individual so that the choice below is a change
    SetByte(MenuPH[c.entry].params[c.row].location, 3);
    page = BuildFormpage();
    Choose(page, c.row, c.code);
    for (long long o : {a, a + 0x2000}) {
        const bool expectWritten = o == a || (c.bothSets && WrittenInBothSets(c.at.section));
        float value = c.width == 1 ? Ws().ParImage.u8(o) : c.width == 2 ? Ws().ParImage.u16(o) : Ws().ParImage.f32(o);
        if (expectWritten) {
            EXPECT_FLOAT_EQ(value, c.expected) << (o == a ? "set A" : "set B");
        } else {
            EXPECT_EQ(Ws().ParImage.u8(o), 0xEE) << "set B untouched";
        }
    }
}

const DefaultCase kDefaultCases[] = {
    {"TemperatureMin", {19, '7'}, 14, 0, 2, Set(211), 4, -20, false},
    {"TemperatureMax", {19, '7'}, 14, 0, 2, Set(215), 4, 150, false},
    {"IsfetLeakage", {19, '7'}, 22, 0, 2, Fix(206), 2, 100, true, {{Set(58), 3}}},
    {"WearQuality", {19, '7'}, 23, 0, 2, Fix(185), 1, 2, true},
    {"CalTimer", {3, '7'}, 30, 0, 2, Set(68), 4, 168, false},
    {"TtmEntry", {19, '9'}, 19, 0, 2, Set(290), 2, 760, true, {{Set(288), 2}}},
    {"DliLifetime", {19, '9'}, 20, 0, 2, Fix(187), 2, 730, true, {{Set(288), 2}}},
    {"ElectrolyteConcentration", {18, '8'}, 2, 2, 2, Fix(214), 4, 0.05f, true},
    {"ElectrolyteSalinity", {18, '8'}, 2, 2, 2, Fix(218), 4, 28, true},
    {"Calcheck", {3, '7'}, 21, 0, 2, Fix(97), 4, 3.2f, true},
};

INSTANTIATE_TEST_SUITE_P(Cases, PhMonitoringDefaults, ::testing::ValuesIn(kDefaultCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PhFixture, Co2LimitsFollowTheChosenUnit) {
    struct {
        int entry;
        int row;
        Location unit;
        uint8_t code;
        const char* typed;
        float stored;
    } cases[] = {
        {37, 3, Set(45), 89, "250", 200},
        {37, 3, Set(45), 90, "5000", 4000},
        {37, 3, Set(45), 91, "2500", 2000},
        {37, 3, Set(45), 91, "1500", 1500},
        {34, 1, Set(199), 51, "12000", 9999},
        {34, 1, Set(199), 91, "1500", 1500},
        {34, 1, Set(199), 94, "1000", 999.9f * 68.9476f},
        {34, 1, Set(199), 94, "20", 20 * 68.9476f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " for unit " + std::to_string(c.code));
        ResetWorkspace();
        MakeDevice({18, '8'});
        SetByte(c.unit, c.code);
        PageModel page = OpenPage(c.entry);
        ASSERT_NE(page.find(c.row), nullptr);
        ASSERT_TRUE(CommitNumber(page, c.row, c.typed, true).stored);
        EXPECT_NEAR(Float(MenuPH[c.entry].params[c.row].location), c.stored, c.stored * 1e-5);
    }
}

}  // namespace
}  // namespace tessalin::test
