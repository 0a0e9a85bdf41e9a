// Menu and parameter tables of the electrodeless conductivity family, with the factory default of every
// row beside it; the CONDI-SET and CONDI-FIX default records are built from those defaults at compile time.

#include <array>

#include "core/catalogue/events.h"
#include "core/catalogue/row_builders.h"
#include "core/device/predicates.h"
#include "core/families/condi/condi.h"
#include "core/families/condi/handlers.h"
#include "core/families/condi/texts.h"
#include "core/families/opmode/opmode.h"
#include "core/families/shared/common_texts.h"
#include "core/families/shared/conductivity_pages.h"
#include "core/families/shared/conductivity_texts.h"
#include "core/families/shared/limit_messages.h"
#include "core/families/shared/temperature_detection.h"

namespace tessalin {

namespace {

using namespace condi;
using namespace common;
using namespace conductivity;
using namespace rows;
using rules::EditableWhile;
using rules::ShownWhile;

constexpr Location Set(uint16_t offset) { return At(Section::CONDI_SET, offset); }
constexpr Location Fix(uint16_t offset) { return At(Section::CONDI_FIX, offset); }

constexpr int kIndividual = 3;
constexpr int kOthers = 10;
constexpr int32_t kCoding = TextArg(1, 5);  // five hexadecimal characters

// ---- item conditions -------------------------------------------------------------------------------

constexpr Predicate kMakerItems[] = {Always, Always, Always, Always, SwFrom7, Always};
constexpr Predicate kOemItems[] = {Always, Always, Always, Always, SwFrom8, SwFrom8, Always};

// ---- parameter tables ------------------------------------------------------------------------------

constexpr Row kT1[] = {
    Text(Fix(26), RowCalStamp, kTxtSensorModel),
    Text(Fix(36), RowCalStamp, kTxtSerialNo),
    Separator(),
    Number(Fix(5), kFloat, 1.98, 53, Own(0, 20), kBoth, RowCalStamp, kTxtCellFactor),
    NumberWithoutDefault(Scratch(0x7000), kFloat, 31, kPfLimitsFromHandler, RowZero, kTxtZero),
};

constexpr Row kT2[] = {
    List(Set(8), 2, 0, DefaultHandler, kTxtPulseSuppression),
};

constexpr Row kT3[] = {
    List(Set(36), 3, kPfRebuildPage, RowSensorTypeMaker, kTxtSensorTypeMaker, kMakerItems),
    List(Set(36), 3, kPfRebuildPage, RowSensorTypeOem, kTxtSensorTypeOem, kOemItems),
    Text(Set(37), RowOthersValue, kTxtSensorCoding, kCoding, kBoth),
    Number(Set(42), kFloat, 1.98, 53, kNoLimits, kBoth, RowOthersValue, kTxtNomCellFactor),
    Number(Set(46), kFloat, 120, 54, kNoLimits, kBoth, RowOthersValue, kTxtTransferRatio),
    Text(Set(50), RowNamedSensorValue, kTxtSensorCoding, kCoding, kBoth),
    Number(Set(55), kFloat, 1.98, 53, kNoLimits, kBoth, RowNamedSensorValue, kTxtNomCellFactor),
    Number(Set(59), kFloat, 120, 54, kNoLimits, kBoth, RowNamedSensorValue, kTxtTransferRatio),
    List(Set(35), 1, 0, DefaultHandler, kTxtQuellix),
    List(Set(67), 1, kPfRefreshRows, DefaultHandler, kTxtCirvano),
    Number(Set(68), kU16, 0, 18, Own(-50, 250), 0, EditableWhile<Set(67), 2, 3>, kTxtInterval),
};

constexpr auto kTemperature =
    TemperatureDetection<Set(25)>(List(Set(23), 4, 0, EditableWhile<Set(36), kOthers>, kTxtTempProbe));
constexpr Row kT4[] = {
    kTemperature[0], kTemperature[1], kTemperature[2], kTemperature[3], kTemperature[4],
    List(Fix(111), 2, 0, RowTick, kTxtTick),
};

constexpr auto kT5 = CalPresets<Section::CONDI_SET>();

constexpr Row kT6[] = {
    HandlerHeading(RowTcHeading, &kTxtTcLine1),
    List(Set(9), 1, kPfRebuildPage, RowTempComp<Section::CONDI_SET>, kTxtTempComp),
    Number(Set(10), kFloat, 2, 28, Own(0, 99.99f), 0, ShownWhile<Set(9), kTcLinear>, kTxtTcOfSolution),
    Number(Set(14), kFloat, 25, 10, Own(-50, 250), 0, ShownWhile<Set(9), kTcLinear>, kTxtReferenceTemp),
};

constexpr auto kT7 = Concentration<Section::CONDI_SET>();

constexpr auto kT8 = LimitMessages(Set(70), {2, 0, 0, 1.999e6, 1.999e6}, 33, Own(0, 1.999e6f),
                                   0, ShownWhileVariableLimits<Set(70)>);
constexpr auto kT9 = LimitMessages(Set(87), {1, 0.5, 0.5, 9.99e8, 9.99e8}, 35, Own(0, 1e8f),
                                   0, ShownWhileVariableLimits<Set(87)>);
constexpr auto kT10 = LimitMessages(Set(104), {1, 0, 0, 100, 100}, 37, Own(0, 100),
                                    0, ShownWhileVariableLimits<Set(104)>);
constexpr auto kT11 = LimitMessages(Set(121), {2, -20, -20, 150, 150}, 10, Own(-50, 250),
                                    0, ShownWhileVariableLimits<Set(121)>);
constexpr auto kT12 = LimitMessages(Set(138), {1, 0, 0, 45, 45}, 45, Own(0, 45), 0, ShownWhileVariableLimits<Set(138)>);

// ---- digital sensors ---------------------------------------------------------------------------------

constexpr Row kU1[] = {
    List(Set(155), 1, 0, DefaultHandler, kTxtQuellora),
};

constexpr Handler kComputedCellLimit = rules::ShownReadOnlyWhile<Fix(112), kIndividual>;
constexpr Row kU2[] = {
    List(Fix(112), 2, kBoth | kPfRebuildPage, RowCellFactorMonitoring, kTxtMonitoringAutoInd),
    Number(Set(55), kFloat, 1.98, 38, kNoLimits, kBoth | kPfRefreshRows, RowCellFactorNominal, kTxtNomCellFactor),
    Number(Fix(113), kFloat, 1, 38, kNoLimits, kBoth, kComputedCellLimit, kTxtMin),
    Number(Fix(117), kFloat, 10, 38, kNoLimits, kBoth, kComputedCellLimit, kTxtMax),
    List(Fix(121), 1, kBoth, DefaultHandler, kTxtMessage),
};

constexpr Row kU3[] = {
    List(Fix(134), 2, kBoth | kPfRefreshRows, DefaultHandler, kTxtMonitoringOffAuto),
    List(Fix(135), 3, kBoth, DefaultHandler, kTxtMessage),
};

constexpr Row kU4[] = {
    List(Fix(122), 1, kBoth | kPfRefreshRows, DefaultHandler, kTxtMonitoringOffInd),
    Number(Fix(123), kU16, 20, 7, Own(0, 999), kBoth, EditableWhile<Fix(122), kIndividual>, kTxtMaxCycles),
    List(Fix(125), 1, kBoth, DefaultHandler, kTxtMessage),
};

constexpr Row kU5[] = {
    List(Fix(126), 1, kBoth | kPfRefreshRows, DefaultHandler, kTxtMonitoringOffInd),
    Number(Fix(127), kU16, 20, 7, Own(0, 999), kBoth, EditableWhile<Fix(126), kIndividual>, kTxtMaxCycles),
    List(Fix(129), 1, kBoth, DefaultHandler, kTxtMessage),
};

constexpr Row kU6[] = {
    List(Fix(130), 1, kBoth | kPfRefreshRows, RowOperatingTimeMonitoring, kTxtMonitoringOffAutoInd),
    Number(Fix(131), kU16, 200, 85, Own(0, 9999), kBoth, EditableWhile<Fix(130), kIndividual>, kTxtMaxOperatingTime),
    List(Fix(133), 1, kBoth, DefaultHandler, kTxtMessage),
};

// ---- sensor inputs -----------------------------------------------------------------------------------

constexpr Row kV1[] = {
    List(Set(36), 3, kPfRebuildPage, RowSensorTypeInput, kTxtSensorTypeInput),
    List(Set(35), 1, 0, DefaultHandler, kTxtQuellix),
};

// Every table in order T1..T12, U1..U6, V1.
constexpr std::span<const Row> kTables[] = {
    kT1, kT2, kT3, kT4, kT5, kT6, kT7, kT8, kT9, kT10, kT11, kT12,
    kU1, kU2, kU3, kU4, kU5, kU6, kV1,
};

constexpr rows::EntryTables<rows::RowCount(kTables), std::size(kTables)> kEntries{kTables};
constexpr auto kEntryTables = kEntries.spans();

// Table numbers of the digital and sensor-input tables in kEntryTables.
enum : int { kU1No = 13, kU2No, kU3No, kU4No, kU5No, kU6No, kV1No };

// ---- default records -------------------------------------------------------------------------------

constexpr auto kCondISetDefaults = BuildRecord<156>(Section::CONDI_SET, kTables);
constexpr auto kCondIFixDefaults = BuildRecord<201>(Section::CONDI_FIX, kTables);

constexpr Handler kMsgConcentration = MenuConcentrationMessages<Section::CONDI_SET>;

}  // namespace

// ---- the menus -------------------------------------------------------------------------------------

#define MENU(...) rows::MakeEntry(rows::MenuRow{__VA_ARGS__}, kEntryTables)

constinit const TMenuEntry MenuCondI[] = {
    MENU(1, DefaultHandler, kTxtCalibrationData, 1, kTop | kMfGreenTitle, 0x0100),  // 0
    MENU(1, DefaultHandler, kTxtInputFilter, 2, kTop, 0x0200),                      // 1
    MENU(1, DefaultHandler, kTxtSensorData, 3, kTop, 0x0400),                       // 2
    MENU(2, DefaultHandler, kTxtTempDetection, 4),                                  // 3
    MENU(1, DefaultHandler, kTxtCalPresets, 5, kTop, 0x0800),                       // 4
    MENU(1, DefaultHandler, kTxtTcProcessMedium, 6, kTop, 0x1000),                  // 5
    MENU(1, MenuConcentration, kTxtConcentration, 7, kTop, 0x2000),                 // 6
    MENU(1, DefaultHandler, kTxtMessages, 0, kTop, 0x4000),                         // 7
    MENU(2, DefaultHandler, kTxtMsgConductivity, 8),                                // 8
    MENU(2, DefaultHandler, kTxtMsgResistivity, 9),                                 // 9
    MENU(2, kMsgConcentration, kTxtMsgConcentration, 10),                           // 10
    MENU(2, DefaultHandler, kTxtMsgTemperature, 11),                                // 11
    MENU(2, DefaultHandler, kTxtMsgSalinity, 12),                                   // 12
    rows::kMenuEnd,                                                                 // end
};

constinit const TMenuEntry MenuDigCondI[] = {
    OpModeMenuEntry(0x0100),                                                        // 0
    MENU(1, DefaultHandler, kTxtInputFilter, 2, kTop, 0x0200),                      // 1
    MENU(1, DefaultHandler, kTxtSensorData, kU1No, kTop, 0x0400),                   // 2
    MENU(2, DefaultHandler, kTxtMonitoringDetails, 0),                              // 3
    MENU(3, DefaultHandler, kTxtCellFactor, kU2No),                                 // 4
    MENU(3, DefaultHandler, kTxtQuellix, kU3No),                                    // 5
    MENU(3, DefaultHandler, kTxtCipCounter, kU4No),                                 // 6
    MENU(3, DefaultHandler, kTxtSipCounter, kU5No),                                 // 7
    MENU(3, DefaultHandler, kTxtOperatingTime, kU6No),                              // 8
    MENU(1, DefaultHandler, kTxtCalPresets, 5, kTop, 0x0800),                       // 9
    MENU(1, DefaultHandler, kTxtTcProcessMedium, 6, kTop, 0x1000),                  // 10
    MENU(1, MenuConcentration, kTxtConcentration, 7, kTop, 0x2000),                 // 11
    MENU(1, DefaultHandler, kTxtMessages, 0, kTop, 0x4000),                         // 12
    MENU(2, DefaultHandler, kTxtMsgConductivity, 8),                                // 13
    MENU(2, DefaultHandler, kTxtMsgResistivity, 9),                                 // 14
    MENU(2, kMsgConcentration, kTxtMsgConcentration, 10),                           // 15
    MENU(2, DefaultHandler, kTxtMsgTemperature, 11),                                // 16
    MENU(2, DefaultHandler, kTxtMsgSalinity, 12),                                   // 17
    rows::kMenuEnd,                                                                 // end
};

constinit const TMenuEntry MenuSensorCondI[] = {
    OpModeMenuEntry(0x0100),                                                        // 0
    MENU(1, DefaultHandler, kTxtCalibrationData, 1, kTop | kMfGreenTitle, 0x0200),  // 1
    MENU(1, DefaultHandler, kTxtInputFilter, 2, kTop, 0x0400),                      // 2
    MENU(1, DefaultHandler, kTxtSensorData, kV1No, kTop, 0x0800),                   // 3
    MENU(2, DefaultHandler, kTxtTempDetection, 4),                                  // 4
    MENU(1, DefaultHandler, kTxtCalPresets, 5, kTop, 0x1000),                       // 5
    MENU(1, DefaultHandler, kTxtTcProcessMedium, 6, kTop, 0x2000),                  // 6
    MENU(1, MenuConcentration, kTxtConcentration, 7, kTop, 0x4000),                 // 7
    MENU(1, DefaultHandler, kTxtMessages, 0, kTop, 0x8000),                         // 8
    MENU(2, DefaultHandler, kTxtMsgConductivity, 8),                                // 9
    MENU(2, DefaultHandler, kTxtMsgResistivity, 9),                                 // 10
    MENU(2, kMsgConcentration, kTxtMsgConcentration, 10),                           // 11
    MENU(2, DefaultHandler, kTxtMsgTemperature, 11),                                // 12
    MENU(2, DefaultHandler, kTxtMsgSalinity, 12),                                   // 13
    rows::kMenuEnd,                                                                 // end
};

#undef MENU

static_assert(std::size(MenuCondI) == kMenuCondIEnd + 1);
static_assert(std::size(MenuDigCondI) == kMenuDigCondIEnd + 1);
static_assert(std::size(MenuSensorCondI) == kMenuSensorCondIEnd + 1);

std::span<const std::span<const TParamEntry>> CondIParamTables() { return kEntryTables; }

std::span<const uint8_t> CondISetDefaultRecord() { return kCondISetDefaults; }
std::span<const uint8_t> CondIFixDefaultRecord() { return kCondIFixDefaults; }

}  // namespace tessalin
