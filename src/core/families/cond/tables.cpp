// Menu and parameter tables of the conductivity family, with the factory default of every row beside it;
// the COND-SET and COND-FIX default records are built from those defaults at compile time.

#include <array>

#include "core/catalogue/events.h"
#include "core/catalogue/row_builders.h"
#include "core/device/predicates.h"
#include "core/families/cond/cond.h"
#include "core/families/cond/handlers.h"
#include "core/families/cond/texts.h"
#include "core/families/opmode/opmode.h"
#include "core/families/shared/common_texts.h"
#include "core/families/shared/conductivity_pages.h"
#include "core/families/shared/conductivity_texts.h"
#include "core/families/shared/limit_messages.h"
#include "core/families/shared/temperature_detection.h"

namespace tessalin {

namespace {

using namespace cond;
using namespace common;
using namespace conductivity;
using namespace rows;
using rules::EditableWhile;
using rules::ShownAndEditableWhile;

constexpr Location Set(uint16_t offset) { return At(Section::COND_SET, offset); }
constexpr Location Fix(uint16_t offset) { return At(Section::COND_FIX, offset); }

constexpr int kIndividual = 3;
constexpr int kUspOn = 1;
constexpr int kTcUltrapure = 4;

// ---- item conditions -------------------------------------------------------------------------------

// Ultrapure water compensation is an option (bit 8).
constexpr Predicate kTempCompItems[] = {Always, Always, Always, OptRwcc};

// ---- parameter tables ------------------------------------------------------------------------------

constexpr Row kC1[] = {
    Text(Fix(22), RowCalStamp, kTxtSensorModel),
    Text(Fix(32), RowCalStamp, kTxtSerialNo),
    Separator(),
    Number(Fix(5), kFloat, 1, 38, Own(0.005f, 200), kBoth, RowCalStamp, kTxtCellConstant),
};

constexpr Row kC2[] = {
    List(Set(8), 2, 0, DefaultHandler, kTxtPulseSuppression),
};

constexpr Row kC3[] = {
    List(Set(23), 7, kPfRefreshRows | kPfListFromHandler, RowSensorTypeMaker, kTxtSensorType),
    List(Set(23), 7, kPfRefreshRows | kPfListFromHandler, RowSensorTypeOem, kTxtSensorType),
    Number(Set(24), kFloat, 1, 38, kNoLimits, 0, RowOtherSensorValue, kTxtNomCellConstant),
    List(Set(28), 1, 0, DefaultHandler, kTxtQuellix),
};

constexpr auto kC4 = TemperatureDetection<Set(32)>(List(Set(30), 5, 0, RowOtherSensorValue, kTxtTempProbe));

constexpr Row kC5[] = {
    List(Set(28), 1, 0, DefaultHandler, kTxtQuellix),
};

constexpr Row kC6[] = {
    List(Fix(124), 2, kBoth | kPfRefreshRows, RowCellConstantMonitoring, kTxtMonitoringAutoInd),
    Number(Set(24), kFloat, 1, 38, Own(0, 100), kBoth | kPfRefreshRows, RowCellConstantNominal, kTxtNomCellConstant),
    Number(Fix(125), kFloat, 0.8, 38, Own(0, 100), kBoth, EditableWhile<Fix(124), kIndividual>, kTxtMin),
    Number(Fix(129), kFloat, 1.2, 38, Own(0, 100), kBoth, EditableWhile<Fix(124), kIndividual>, kTxtMax),
    List(Fix(133), 3, kBoth, DefaultHandler, kTxtMessage),
};

constexpr auto kC7 = CalPresets<Section::COND_SET>();

constexpr Row kC8[] = {
    HandlerHeading(RowTcHeading, &kTxtTcLine1),
    List(Set(9), 1, kPfRebuildPage, RowTempComp<Section::COND_SET>, kTxtTempComp, kTempCompItems),
    Number(Set(14), kFloat, 25, 10, Own(-50, 250), 0, EditableWhile<Set(9), kTcLinear>, kTxtReferenceTemp),
    Number(Set(10), kFloat, 2, 28, Own(0, 99.99f), 0, ShownAndEditableWhile<Set(9), kTcLinear>, kTxtTcOfSolution),
    List(Set(18), 2, 0, ShownAndEditableWhile<Set(9), kTcUltrapure>, kTxtImpurity),
};

constexpr auto kC9 = Concentration<Section::COND_SET>();

constexpr auto kC10 = LimitMessages(Set(46), {2, 0, 0, 1.999e6, 1.999e6}, 33, Own(0, 1.999e6f),
                                    0, ShownWhileVariableLimits<Set(46)>);
constexpr auto kC11 = LimitMessages(Set(63), {1, 0.5, 0.5, 9.99e8, 9.99e8}, 35, Own(0, 1e8f),
                                    0, ShownWhileVariableLimits<Set(63)>);
constexpr auto kC12 = LimitMessages(Set(80), {1, 0, 0, 100, 100}, 37, Own(0, 100),
                                    0, ShownWhileVariableLimits<Set(80)>);
constexpr auto kC13 = LimitMessages(Set(97), {2, -20, -20, 150, 150}, 10, Own(-50, 250),
                                    0, ShownWhileVariableLimits<Set(97)>);
constexpr auto kC14 = LimitMessages(Set(114), {1, 0, 0, 45, 45}, 45, Own(0, 45), 0, ShownWhileVariableLimits<Set(114)>);

constexpr Row kC15[] = {
    List(Set(42), 2, kPfRebuildPage, DefaultHandler, kTxtUspFunction),
    Number(Set(44), kI16, 100, 62, kNoLimits, 0, ShownAndEditableWhile<Set(42), kUspOn>, kTxtReducedLimit),
    List(Set(43), 1, 0, ShownAndEditableWhile<Set(42), kUspOn>, kTxtUspMonitoring),
};

// ---- digital sensors ---------------------------------------------------------------------------------

constexpr Row kG1[] = {
    List(Set(131), 1, 0, DefaultHandler, kTxtQuellora),
};

constexpr Row kG2[] = {
    List(Fix(146), 1, kBoth | kPfRefreshRows, DefaultHandler, kTxtMonitoringOffOn),
    List(Fix(147), 3, kBoth, DefaultHandler, kTxtMessage),
};

// A counter of the sensor: Monitoring (Off or Individual), its maximum (editable while Individual) and
// the message it raises.
template <Location monitoring>
constexpr std::array<Row, 3> Counter(int maximum, uint8_t valueType, Limits limits, const TextRecord& label) {
    constexpr Location max = At(monitoring.section, static_cast<uint16_t>(monitoring.offset + 1));
    constexpr Location message = At(monitoring.section, static_cast<uint16_t>(monitoring.offset + 3));
    return {{
        List(monitoring, 1, kBoth | kPfRefreshRows, DefaultHandler, kTxtMonitoringOffInd),
        Number(max, kU16, maximum, valueType, limits, kBoth, EditableWhile<monitoring, kIndividual>, label),
        List(message, 3, kBoth, DefaultHandler, kTxtMessage),
    }};
}

constexpr auto kG3 = Counter<Fix(134)>(0, 7, Own(0, 999), kTxtMaxCycles);
constexpr auto kG4 = Counter<Fix(138)>(0, 7, Own(0, 999), kTxtMaxCycles);
constexpr auto kG5 = Counter<Fix(142)>(9999, 85, Own(0, 9999), kTxtMaxOperatingTime);

// Every table in order C1..C15, G1..G5.
constexpr std::span<const Row> kTables[] = {
    kC1, kC2, kC3, kC4, kC5, kC6, kC7, kC8, kC9, kC10, kC11, kC12, kC13, kC14, kC15,
    kG1, kG2, kG3, kG4, kG5,
};

constexpr rows::EntryTables<rows::RowCount(kTables), std::size(kTables)> kEntries{kTables};
constexpr auto kEntryTables = kEntries.spans();

// Table numbers of the digital tables in kEntryTables (counted from 1).
enum : int { kG1No = 16, kG2No, kG3No, kG4No, kG5No };

// ---- default records -------------------------------------------------------------------------------

constexpr auto kCondSetDefaults = BuildRecord<132>(Section::COND_SET, kTables);
constexpr auto kCondFixDefaults = BuildRecord<197>(Section::COND_FIX, kTables);

constexpr Handler kMsgConcentration = MenuConcentrationMessages<Section::COND_SET>;

}  // namespace

// ---- the menus -------------------------------------------------------------------------------------

#define MENU(...) rows::MakeEntry(rows::MenuRow{__VA_ARGS__}, kEntryTables)

constinit const TMenuEntry MenuCond[] = {
    MENU(1, DefaultHandler, kTxtCalibrationData, 1, kTop | kMfGreenTitle, 0x0100),  // 0
    MENU(1, DefaultHandler, kTxtInputFilter, 2, kTop, 0x0200),                      // 1
    MENU(1, MenuSensorDataModule, kTxtSensorData, 3, kTop, 0x0400),                 // 2
    MENU(2, MenuSensorDataModule, kTxtTempDetection, 4),                            // 3
    MENU(1, MenuSensorDataSensor, kTxtSensorData, 5, kTop, 0x0800),                 // 4
    MENU(2, MenuSensorDataSensor, kTxtMonitoringDetails, 0),                        // 5
    MENU(3, MenuSensorDataSensor, kTxtCellConstant, 6),                             // 6
    MENU(1, DefaultHandler, kTxtCalPresets, 7, kTop, 0x1000),                       // 7
    MENU(1, DefaultHandler, kTxtTcProcessMedium, 8, kTop, 0x2000),                  // 8
    MENU(1, MenuConcentration, kTxtConcentration, 9, kTop, 0x4000),                 // 9
    MENU(1, DefaultHandler, kTxtMessages, 0, kTop, 0x8000),                         // 10
    MENU(2, DefaultHandler, kTxtMsgConductivity, 10),                               // 11
    MENU(2, DefaultHandler, kTxtMsgResistivity, 11),                                // 12
    MENU(2, kMsgConcentration, kTxtMsgConcentration, 12),                           // 13
    MENU(2, DefaultHandler, kTxtMsgTemperature, 13),                                // 14
    MENU(2, DefaultHandler, kTxtMsgSalinity, 14),                                   // 15
    MENU(1, DefaultHandler, kTxtUspFunction, 15, kTop, 0x0001),                     // 16
    rows::kMenuEnd,                                                                 // end
};

constinit const TMenuEntry MenuDigCond[] = {
    OpModeMenuEntry(0x0100),                                                        // 0
    MENU(1, DefaultHandler, kTxtInputFilter, 2, kTop, 0x0200),                      // 1
    MENU(1, DefaultHandler, kTxtSensorData, kG1No, kTop, 0x0400),                   // 2
    MENU(2, DefaultHandler, kTxtMonitoringDetails, 0),                              // 3
    MENU(3, DefaultHandler, kTxtCellConstant, 6),                                   // 4
    MENU(3, DefaultHandler, kTxtQuellix, kG2No),                                    // 5
    MENU(3, DefaultHandler, kTxtCipCounter, kG3No),                                 // 6
    MENU(3, DefaultHandler, kTxtSipCounter, kG4No),                                 // 7
    MENU(3, DefaultHandler, kTxtOperatingTime, kG5No),                              // 8
    MENU(1, DefaultHandler, kTxtCalPresets, 7, kTop, 0x0800),                       // 9
    MENU(1, DefaultHandler, kTxtTcProcessMedium, 8, kTop, 0x1000),                  // 10
    MENU(1, MenuConcentration, kTxtConcentration, 9, kTop, 0x2000),                 // 11
    MENU(1, DefaultHandler, kTxtMessages, 0, kTop, 0x4000),                         // 12
    MENU(2, DefaultHandler, kTxtMsgConductivity, 10),                               // 13
    MENU(2, DefaultHandler, kTxtMsgResistivity, 11),                                // 14
    MENU(2, kMsgConcentration, kTxtMsgConcentration, 12),                           // 15
    MENU(2, DefaultHandler, kTxtMsgTemperature, 13),                                // 16
    MENU(2, DefaultHandler, kTxtMsgSalinity, 14),                                   // 17
    MENU(1, DefaultHandler, kTxtUspFunction, 15, kTop, 0x8000),                     // 18
    rows::kMenuEnd,                                                                 // end
};

#undef MENU

static_assert(std::size(MenuCond) == kMenuCondEnd + 1);
static_assert(std::size(MenuDigCond) == kMenuDigCondEnd + 1);

std::span<const std::span<const TParamEntry>> CondParamTables() { return kEntryTables; }

std::span<const uint8_t> CondSetDefaultRecord() { return kCondSetDefaults; }
std::span<const uint8_t> CondFixDefaultRecord() { return kCondFixDefaults; }

}  // namespace tessalin
