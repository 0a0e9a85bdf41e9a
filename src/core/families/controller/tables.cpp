// Menu and parameter tables of the controller module, with the factory default of every row beside it;
// the PID-SET default record is built from those defaults at compile time.

#include <array>

#include "core/catalogue/row_builders.h"
#include "core/families/controller/controller.h"
#include "core/families/controller/handlers.h"
#include "core/families/controller/texts.h"
#include "core/families/shared/output_pages.h"
#include "core/range_error.h"

namespace tessalin {

namespace {

using namespace pid;
using namespace rows;

constexpr Location Pid(uint16_t offset) { return At(Section::PID_SET, offset); }

// A controller regulates one of the measured values of the device, or nothing.
constexpr uint32_t kControlVariables = kPvController | kPvWithOff;

constexpr int kOff = 0;
constexpr int kYConst = 1;
constexpr int k4To20mA = 2;
constexpr int kBothOutputs = 12;

using Analog = ControllerRules<kAnalogType>;
using Digital = ControllerRules<kDigitalType>;

constexpr Row kP1[] = {
    List(Pid(kAlgorithm), kAlgorithmPidLinear, kPfRebuildPage, DefaultHandler, kTxtAlgorithm),
};

// The analog controller (value type 205, from its control variable at +8).
constexpr Row kP2[] = {
    List(Pid(kAnalogType), kOff, kPfRebuildPage, DefaultHandler, kTxtAnalogType),
    Variables(Pid(8), kControlVariables, kPfRebuildPage, Analog::On, kTxtControlVariable),
    Number(Pid(10), kFloat, 0, 205, kNoLimits, kPfTypeLimits, Analog::On, kTxtSetpoint),
    Number(Pid(14), kFloat, 0, 205, kNoLimits, kPfTypeLimits, Analog::On, kTxtNeutralZone),
    Number(Pid(22), kFloat, 100, 57, kNoLimits, 0, Analog::PidLinear, kTxtGain),
    Number(Pid(97), kFloat, 0, 205, kNoLimits, 0, Analog::PiNonlinear, kTxtBeginControl),
    Number(Pid(101), kFloat, 0, 205, kNoLimits, 0, Analog::PiNonlinear, kTxtLowCornerX),
    Number(Pid(105), kFloat, 50, 62, kNoLimits, 0, Analog::PiNonlinear, kTxtLowCornerY),
    Number(Pid(109), kFloat, 0, 205, kNoLimits, 0, Analog::PiNonlinear, kTxtEndControl),
    Number(Pid(113), kFloat, 0, 205, kNoLimits, 0, Analog::PiNonlinear, kTxtHighCornerX),
    Number(Pid(117), kFloat, 50, 62, kNoLimits, 0, Analog::PiNonlinear, kTxtHighCornerY),
    Number(Pid(26), kU16, 0, 8, kNoLimits, 0, Analog::On, kTxtResetTime),
    Number(Pid(28), kU16, 0, 8, kNoLimits, 0, Analog::PidLinear, kTxtDerivativeTime),
    Number(Pid(30), kU16, 0, 8, kNoLimits, 0, Analog::On, kTxtFeedTimeAlarm),
    List(Pid(32), kYConst, 0, Analog::On, kTxtHoldBehaviour),
    List(Pid(33), k4To20mA, 0, Analog::On, kTxtOutputIV),
    List(Pid(95), kBothOutputs, 0, RowLoadMonitoring, kTxtLoadMonitoring),
};

// The digital controller (value type 206, from its control variable at +34).
constexpr Row kP3[] = {
    List(Pid(kDigitalType), kOff, kPfRebuildPage, DefaultHandler, kTxtDigitalType),
    Variables(Pid(34), kControlVariables, kPfRebuildPage, Digital::On, kTxtControlVariable),
    Number(Pid(36), kFloat, 0, 206, kNoLimits, kPfTypeLimits, Digital::On, kTxtSetpoint),
    Number(Pid(40), kFloat, 0, 206, kNoLimits, kPfTypeLimits, Digital::On, kTxtNeutralZone),
    Number(Pid(48), kFloat, 100, 57, kNoLimits, 0, Digital::PidLinear, kTxtGain),
    Number(Pid(121), kFloat, 0, 206, kNoLimits, 0, Digital::PiNonlinear, kTxtBeginControl),
    Number(Pid(125), kFloat, 0, 206, kNoLimits, 0, Digital::PiNonlinear, kTxtLowCornerX),
    Number(Pid(129), kFloat, 50, 62, kNoLimits, 0, Digital::PiNonlinear, kTxtLowCornerY),
    Number(Pid(133), kFloat, 0, 206, kNoLimits, 0, Digital::PiNonlinear, kTxtEndControl),
    Number(Pid(137), kFloat, 0, 206, kNoLimits, 0, Digital::PiNonlinear, kTxtHighCornerX),
    Number(Pid(141), kFloat, 50, 62, kNoLimits, 0, Digital::PiNonlinear, kTxtHighCornerY),
    Number(Pid(52), kU16, 0, 8, kNoLimits, 0, Digital::On, kTxtResetTime),
    Number(Pid(54), kU16, 0, 8, kNoLimits, 0, Digital::PidLinear, kTxtDerivativeTime),
    Number(Pid(56), kU16, 0, 8, kNoLimits, 0, Digital::On, kTxtFeedTimeAlarm),
    List(Pid(58), kYConst, 0, Digital::On, kTxtHoldBehaviour),
    Number(Pid(59), kU16, 10, 8, kNoLimits, 0, RowPulsePeriod, kTxtPulsePeriod),
    Number(Pid(61), kU16, 60, 61, kNoLimits, 0, RowMaxPulseFrequency, kTxtMaxPulseFrequency),
};

// Limit contacts K9 (variable at +69, value type 203) and K10 (+85, 204).
constexpr auto kP4 = outputs::LimitContactRows<Section::PID_SET, 69, 203>();
constexpr auto kP5 = outputs::LimitContactRows<Section::PID_SET, 85, 204>();

constexpr std::span<const Row> kTables[] = {kP1, kP2, kP3, kP4, kP5};

constexpr rows::EntryTables<rows::RowCount(kTables), std::size(kTables)> kEntries{kTables};
constexpr auto kEntryTables = kEntries.spans();

constexpr auto kPidSetDefaults = BuildRecord<145>(Section::PID_SET, kTables);

constexpr const TextRecord& LimitContactTitle(int k) {
    return outputs::kTxtLimitContactTitles[k - outputs::kFirstSlotLimitContact];
}

}  // namespace

// ---- the menu --------------------------------------------------------------------------------------

#define MENU(...) rows::MakeEntry(rows::MenuRow{__VA_ARGS__}, kEntryTables)

constinit const TMenuEntry MenuPID[] = {
    MENU(1, SwFrom74H, kTxtController, 1, kTop, 0x1000),                // 0: the algorithm is chosen from 7.4
    MENU(1, DefaultHandler, kTxtAnalogController, 2, kTop, 0x0100),     // 1
    MENU(1, DefaultHandler, kTxtDigitalController, 3, kTop, 0x0200),    // 2
    MENU(1, DefaultHandler, LimitContactTitle(9), 4, kTop, 0x0400),     // 3
    MENU(1, DefaultHandler, LimitContactTitle(10), 5, kTop, 0x0800),    // 4
    rows::kMenuEnd,                                                     // end
};

#undef MENU

static_assert(std::size(MenuPID) == kMenuPIDEnd + 1);

std::span<const TParamEntry> PidParamTable(int n) {
    CheckIndex("controller module parameter table", n - 1, std::size(kEntryTables));
    return kEntryTables[n - 1];
}

std::span<const uint8_t> PidSetDefaultRecord() { return kPidSetDefaults; }

}  // namespace tessalin
