// The controller module (type 9): the algorithm menu from software 7.4, the rows of the analog and the
// digital controller by type and algorithm, its control variables and its limit contacts.

#include "core/families/controller/controller.h"
#include "core/families/menu_registry.h"
#include "support/catalogue_device.h"

namespace tessalin::test {
namespace {

constexpr Location Pid(uint16_t offset) { return At(Section::PID_SET, offset); }

constexpr int kAlgorithmMenu = 0, kAnalog = 1, kDigital = 2, kK9 = 3, kK10 = 4;
constexpr int kPosition = kPosSlot2;  // pH module in [I], controller in [II]

DeviceSpec ControllerDevice(char major, char minor = '0') { return {.major = major, .modules = {3, 9}, .minor = minor}; }

using Controller = CatalogueDeviceTest;

TEST_F(Controller, AlgorithmMenuFromVersion74) {
    struct Case {
        char major, minor;
        std::set<int> shown;
    };
    for (const Case& c : {Case{'5', '0', {1, 2, 3, 4}}, Case{'7', '3', {1, 2, 3, 4}}, Case{'7', '4', {0, 1, 2, 3, 4}},
                          Case{'A', '0', {0, 1, 2, 3, 4}}}) {
        MakeDevice(ControllerDevice(c.major, c.minor));
        EXPECT_EQ(VisibleEntries(*MenuTableOf(9), kPosition), c.shown) << c.major << "." << c.minor;
    }
    for (const std::vector<int>& modules : {std::vector<int>{9}, std::vector<int>{3, 5, 9}}) {
        MakeDevice({.major = '8', .modules = modules});
        const int position = kPosSlot1 + static_cast<int>(modules.size()) - 1;
        EXPECT_EQ(VisibleEntries(*MenuTableOf(9), position), (std::set<int>{0, 1, 2, 3, 4})) << position;
        SetByte(position, Pid(9), 1);
        EXPECT_EQ(ShownRows(OpenPage(position, MenuPID[kAnalog])).size(), 10u) << position;
    }
}

// Rows of both controller pages: type, control variable, setpoint, neutral zone, gain, the six corner
// rows, reset time, derivative action, feed time alarm, behaviour at HOLD, then the analog output and load
// monitoring or the digital pulse period and maximum frequency.
enum Row { kType, kVariable, kSetpoint, kNeutral, kGain, kBegin, kLowX, kLowY, kEnd, kHighX, kHighY,
           kReset, kDerivative, kFeedAlarm, kHold, kLast1, kLast2 };
const std::vector<int> kCommon = {kType, kVariable, kSetpoint, kNeutral};
const std::vector<int> kCorners = {kBegin, kLowX, kLowY, kEnd, kHighX, kHighY};

std::vector<int> Rows(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> rows;
    for (const auto& part : parts) rows.insert(rows.end(), part.begin(), part.end());
    return rows;
}

struct PageCase {
    const char* name;
    char major, minor;
    int menuEntry;
    int type;       // the controller's own type byte
    int algorithm;  // +96
    std::vector<int> rows;
};

class ControllerPage : public CatalogueDeviceTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(ControllerPage, ShowsTheRowsOfItsTypeAndAlgorithm) {
    const PageCase& c = GetParam();
    MakeDevice(ControllerDevice(c.major, c.minor));
    SetByte(kPosition, Pid(c.menuEntry == kAnalog ? 9 : 35), static_cast<uint8_t>(c.type));
    SetByte(kPosition, Pid(96), static_cast<uint8_t>(c.algorithm));
    EXPECT_EQ(ShownRows(OpenPage(kPosition, MenuPID[c.menuEntry])), c.rows);
}

const PageCase kPageCases[] = {
    {"AnalogOff", '8', '0', kAnalog, 0, 1, {kType}},
    {"AnalogMixingValvePid", '8', '0', kAnalog, 1, 1,
     Rows({kCommon, {kGain, kReset, kDerivative, kFeedAlarm, kHold, kLast1}})},
    {"AnalogMixingValvePi", '7', '4', kAnalog, 1, 2, Rows({kCommon, kCorners, {kReset, kFeedAlarm, kHold, kLast1}})},
    {"AnalogStraightWayLoadMonitoring", '9', '0', kAnalog, 2, 1,
     Rows({kCommon, {kGain, kReset, kDerivative, kFeedAlarm, kHold, kLast1, kLast2}})},
    {"AnalogBefore74ShowsBothAlgorithms", '7', '3', kAnalog, 2, 2,
     Rows({kCommon, {kGain}, kCorners, {kReset, kDerivative, kFeedAlarm, kHold, kLast1, kLast2}})},
    {"AnalogBefore7WithoutLoadMonitoring", '6', '0', kAnalog, 2, 1,
     Rows({kCommon, {kGain}, kCorners, {kReset, kDerivative, kFeedAlarm, kHold, kLast1}})},
    {"DigitalOff", '9', '0', kDigital, 0, 1, {kType}},
    {"DigitalPulseLength", '9', '0', kDigital, 1, 1,
     Rows({kCommon, {kGain, kReset, kDerivative, kFeedAlarm, kHold, kLast1}})},
    {"DigitalPulseFrequencyPi", 'A', '0', kDigital, 2, 2, Rows({kCommon, kCorners, {kReset, kFeedAlarm, kHold, kLast2}})},
};

INSTANTIATE_TEST_SUITE_P(Cases, ControllerPage, ::testing::ValuesIn(kPageCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Controller, SwitchingTheAlgorithmReplacesGainByTheCornerPoints) {
    MakeDevice(ControllerDevice('8'));
    PageModel analog = OpenPage(kPosition, MenuPID[kAnalog]);
    EXPECT_TRUE(Choose(analog, kType, 1).rebuildPage);
    analog = BuildFormpage();
    EXPECT_NE(analog.find(kGain), nullptr);
    EXPECT_EQ(analog.find(kBegin), nullptr);

    PageModel algorithm = OpenPage(kPosition, MenuPID[kAlgorithmMenu]);
    EXPECT_EQ(ItemCodes(algorithm, 0), (std::vector<int>{1, 2}));
    EXPECT_TRUE(Choose(algorithm, 0, 2).rebuildPage);
    analog = OpenPage(kPosition, MenuPID[kAnalog]);
    EXPECT_EQ(analog.find(kGain), nullptr);
    EXPECT_EQ(analog.find(kDerivative), nullptr);
    EXPECT_NE(analog.find(kBegin), nullptr);
    EXPECT_NE(analog.find(kHighY), nullptr);
}

TEST_F(Controller, ControlsAMeasuredValueInTheUnitOfThatValue) {
    MakeDevice(ControllerDevice('9'));
    SetByte(kPosition, Pid(35), 1);
    PageModel digital = OpenPage(kPosition, MenuPID[kDigital]);
    // The measured values of the pH module in [I]; its diagnostics and the units' own outputs are not
    // offered.
    EXPECT_EQ(ItemCodes(digital, kVariable), (std::vector<int>{0, 0x40, 0x41, 0x42, 0x44, 0x45}));
    EXPECT_TRUE(Choose(digital, kVariable, 0x41).rebuildPage);
    digital = BuildFormpage();
    ASSERT_EQ(ShownRows(digital), Rows({kCommon, {kGain, kReset, kDerivative, kFeedAlarm, kHold, kLast1}}));
    EXPECT_EQ(digital.find(kSetpoint)->unitLabel(), "mV");
    EXPECT_EQ(digital.find(kNeutral)->unitLabel(), "mV");
    EXPECT_EQ(digital.find(kGain)->unitLabel(), "%");
    EXPECT_EQ(digital.find(kLast1)->unitLabel(), "s");
    EXPECT_EQ(digital.find(kLast2), nullptr);
    EXPECT_EQ(Byte(kPosition, Pid(34)), 0x41);
}

TEST_F(Controller, LimitContactsK9AndK10HaveTheirOwnVariables) {
    MakeDevice(ControllerDevice('9'));
    PageModel k10 = OpenPage(kPosition, MenuPID[kK10]);
    Choose(k10, 0, 0x40);
    EXPECT_EQ(Byte(kPosition, Pid(85)), 0x40);
    EXPECT_EQ(Byte(kPosition, Pid(69)), 0);
    EXPECT_EQ(OpenPage(kPosition, MenuPID[kK10]).find(1)->unitLabel(), "pH");
    EXPECT_EQ(OpenPage(kPosition, MenuPID[kK9]).find(1)->unitLabel(), "");
}

TEST_F(Controller, ANewModuleHoldsItsFactoryValues) {
    MakeDevice(ControllerDevice('9'));
    for (bool setB : {false, true}) {
        EXPECT_EQ(Byte(kPosition, Pid(96), setB), 1) << "PID linear";
        EXPECT_EQ(Byte(kPosition, Pid(9), setB), 0) << "analog controller off";
        EXPECT_EQ(Byte(kPosition, Pid(33), setB), 2) << "IV1/IV2 4...20 mA";
        EXPECT_EQ(Byte(kPosition, Pid(95), setB), 12) << "both outputs monitored";
        EXPECT_EQ(Ws().ParImage.u16(Offset(kPosition, Pid(61), setB)), 60) << "max pulse frequency";
    }
}

}  // namespace
}  // namespace tessalin::test
