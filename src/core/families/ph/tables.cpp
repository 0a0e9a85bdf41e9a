// Menu and parameter tables of the pH family, with the factory default of every row beside it; the
// PH-SET and PH-FIX default records are built from those defaults at compile time.

#include <array>

#include "core/catalogue/events.h"
#include "core/catalogue/row_builders.h"
#include "core/device/predicates.h"
#include "core/families/ph/handlers.h"
#include "core/families/ph/ph.h"
#include "core/families/ph/texts.h"
#include "core/families/shared/common_texts.h"
#include "core/families/shared/limit_messages.h"
#include "core/families/shared/temperature_detection.h"
#include "core/range_error.h"

namespace tessalin {

namespace {

using namespace ph;
using namespace common;
using namespace rows;

constexpr Location Set(uint16_t offset) { return At(Section::PH_SET, offset); }
constexpr Location Fix(uint16_t offset) { return At(Section::PH_FIX, offset); }

// ---- item conditions -------------------------------------------------------------------------------

constexpr Predicate kSensorTypeItems[] = {CtxIsNot13, CtxPhGroupA, CtxIs13, CtxIs13, CtxIs13, SwMajor5};
constexpr Predicate kTempProbeItemsA[] = {Always, Always, CtxIs12, Always};
constexpr Predicate kTempProbeItemsB[] = {Always, Always, Always, Always, CtxIs19};
constexpr Predicate kOperatingTimeItems[] = {Always, SwFrom8, Always};
constexpr Predicate kBufferItems[] = {
    Not18BrandBefore9, Not18BrandFrom9, CtxIsNot18,      CtxIsNot18,      CtxIsNot18,      CtxIsNot18,
    CtxIsNot18,        Not18Brand,      Not18BrandFrom7, Not18BrandFrom7, Not18BrandFrom7, Not18BrandFrom8,
    Is18From8,         Not18BrandFrom8, Not18BrandFrom8, OptPuff};

// The buffer sets a fresh slot can start with (codes of the Tarimex buffer list).
constexpr uint8_t kMakerBuffers = 1, kBrevonBuffers = 2, kPelorixBuffers = 15;
constexpr uint8_t kBrevonBrand = 1;

// ---- parameter tables ------------------------------------------------------------------------------

constexpr Row kP1[] = {
    Text(Fix(114), RowCalStamp, kTxtSensorModel),
    Text(Fix(124), RowCalStamp, kTxtSerialNo),
    Separator(),
    Number(Fix(13), kFloat, 7, 29, Own(0, 14), kBoth, RowCalStamp, kTxtZero),
    Number(Fix(17), kFloat, 58, 32, Own(32, 61), kBoth, RowCalStamp, kTxtSlope),
    Number(Fix(21), kFloat, 0, 21, Own(-1000, 1000), kBoth, RowCalStampIsothermPotential, kTxtIsothermPotential),
    Number(Fix(45), kFloat, 0, 20, Own(0, 14), kBoth, RowCalStampIsothermalPoint, kTxtIsothermalPoint),
    Number(Fix(41), kFloat, 0, 21, Own(-1800, 1800), kBoth, RowCalStampIsfetZero, kTxtIsfetZero),
};

constexpr Row kP2[] = {
    List(Set(8), 2, 0, RowPhTypeOnly, kTxtPulseSuppression),
    List(Set(8), 2, kBoth, RowCo2Only, kTxtPulseSuppressionLevels),
    Number(Set(197), kI16, 10, 80, kNoLimits, 0, RowCo2Only, kTxtInputFilter),
};

constexpr Row kP3[] = {
    List(Set(58), 1, kBoth | kPfRebuildBranch, RowSensorType, kTxtSensorType, kSensorTypeItems),
    List(Fix(49), 1, kBoth, RowSensorMonitoring, kTxtSensorMonitoring),
    List(Fix(213), 2, kBoth | kPfRefreshRows, RowElectrolyteSpecs, kTxtElectrolyteSpecs),
    Number(Fix(214), kFloat, 0.05, 92, Own(0, 9.999f), kBoth, RowElectrolyteValue, kTxtElectrolyteConc),
    Number(Fix(218), kFloat, 28, 93, Own(0, 99.99f), kBoth, RowElectrolyteValue, kTxtElectrolyteSalinity),
    List(Set(22), 1, 0, DefaultHandler, kTxtQuellora),
};

constexpr Row kP4[] = {
    List(Set(9), 2, kBoth, RowTempProbeA, kTxtTempProbe, kTempProbeItemsA),
    List(Set(9), 2, kBoth, RowTempProbeB, kTxtTempProbeB, kTempProbeItemsB),
    List(Set(11), 2, kPfRefreshRows, RowTempSelector, kTxtMeasuringTemp),
    Number(Set(12), kFloat, 25, 10, Own(-50, 250), 0, rules::EditableWhile<Set(11), kManual>, kTxtManual),
    List(Set(16), 2, kPfRefreshRows, RowTempSelector, kTxtCalTemp),
    Number(Set(17), kFloat, 25, 10, Own(-50, 250), 0, rules::EditableWhile<Set(16), kManual>, kTxtManual),
};

constexpr Row kP5[] = {
    List(Fix(177), 2, kBoth | kPfRefreshRows, RowSlopeMonitoring, kTxtMonitoringAutoInd),
    Number(Set(63), kFloat, 59.2, 32, Own(20, 59.2f), kBoth | kPfRefreshRows, RowSlopeNominal, kTxtNominal),
    Number(Fix(50), kFloat, 53.3, 32, Own(20, 61), kBoth, RowSlopeLimit, kTxtMin),
    Number(Fix(54), kFloat, 61, 32, Own(20, 61), kBoth, RowSlopeLimit, kTxtMax),
    List(Fix(58), 3, kBoth, DefaultHandler, kTxtMessage),
};

constexpr Row kP6[] = {
    List(Fix(178), 2, kBoth | kPfRefreshRows, RowZeroMonitoring, kTxtMonitoringAutoInd),
    Number(Set(59), kFloat, 7, 20, Own(0, 14), kBoth | kPfRefreshRows, RowZeroNominal, kTxtNominal),
    Number(Fix(59), kFloat, 6, 20, Own(-2, 16), kBoth, RowZeroLimit, kTxtMin),
    Number(Fix(63), kFloat, 8, 20, Own(-2, 16), kBoth, RowZeroLimit, kTxtMax),
    List(Fix(67), 3, kBoth, DefaultHandler, kTxtMessage),
};

constexpr Row kP7[] = {
    List(Fix(179), 2, kBoth | kPfRefreshRows, RowRefMonitoring, kTxtMonitoringAutoInd),
    Number(Fix(68), kFloat, 5000, 23, Own(0, 200000), kBoth | kPfRefreshRows, RowRefNominal, kTxtNominal),
    Number(Fix(72), kFloat, 3125, 23, Own(0, 200000), kBoth, RowRefLimit, kTxtMin),
    Number(Fix(76), kFloat, 100000, 23, Own(0, 2e6f), kBoth, RowRefLimit, kTxtMax),
    List(Fix(80), 1, kBoth, DefaultHandler, kTxtMessage),
};

constexpr Row kP8[] = {
    List(Fix(179), 2, kBoth | kPfRefreshRows, RowRefMonitoring, kTxtMonitoringAutoInd),
    Number(Fix(68), kFloat, 5000, 63, Own(0, 2e8f), kBoth | kPfRefreshRows, RowRefNominal, kTxtNominal),
    Number(Fix(72), kFloat, 3125, 63, Own(0, 2e8f), kBoth, RowRefLimit, kTxtMin),
    Number(Fix(76), kFloat, 100000, 63, Own(0, 2e9f), kBoth, RowRefLimit, kTxtMax),
    List(Fix(80), 1, kBoth, DefaultHandler, kTxtMessage),
};

constexpr Row kP9[] = {
    List(Fix(180), 2, kBoth | kPfRefreshRows, RowGlassMonitoring, kTxtMonitoringAutoInd),
    Number(Fix(81), kFloat, 1e8, 24, Own(1e7f, 1e9f), kBoth | kPfRefreshRows, RowGlassNominal, kTxtNominal),
    Number(Fix(85), kFloat, 2.86e7, 24, Own(1e7f, 1e9f), kBoth, RowGlassLimit, kTxtMin),
    Number(Fix(89), kFloat, 3.5e8, 24, Own(1e7f, 2e9f), kBoth, RowGlassLimit, kTxtMax),
    List(Fix(93), 1, kBoth, DefaultHandler, kTxtMessage),
};

constexpr Row kP10[] = {
    List(Fix(181), 2, kBoth | kPfRefreshRows, RowResponseMonitoring, kTxtMonitoringAutoInd),
    Number(Fix(94), kU16, 80, 8, Own(0, 999.9f), kBoth, RowResponseMax, kTxtMax),
    List(Fix(96), 1, kBoth, DefaultHandler, kTxtMessage),
};

constexpr Row kP11[] = {
    List(Fix(182), 2, kBoth | kPfRefreshRows, RowCalcheckMonitoring, kTxtMonitoringAutoInd),
    Number(Fix(97), kFloat, 3.2, 20, Own(-2, 16), kBoth, RowCalcheckMax, kTxtMeasDistanceMax),
    List(Fix(101), 1, kBoth, DefaultHandler, kTxtMessage),
};

constexpr Row kP12[] = {
    List(Set(288), 1, kBoth | kPfRebuildBranch, RowMode, kTxtMode),
};

constexpr Row kP13[] = {
    List(Set(210), 2, kPfRefreshRows, RowTempMonitoring, kTxtMonitoringAutoInd),
    Number(Set(211), kFloat, -20, 10, Own(-30, 250), 0, RowTempLimit, kTxtMin),
    Number(Set(215), kFloat, 150, 10, Own(-30, 250), 0, RowTempLimit, kTxtMax),
    List(Set(219), 3, kBoth, DefaultHandler, kTxtMessage),
};

constexpr Row kP14[] = {
    List(Set(289), 1, kBoth | kPfRefreshRows, RowTtmMonitoring, kTxtMonitoringOffAutoInd),
    Number(Set(290), kU16, 760, 9, Own(0, 9999), kBoth | kPfFormatFromHandler, RowTtmEntry, kTxtTtmEntry),
};

constexpr Row kP15[] = {
    List(Fix(184), 2, kPfRefreshRows, RowDliMonitoring, kTxtMonitoringOffAuto),
    List(Fix(186), 3, 0, DefaultHandler, kTxtMessage),
};

constexpr Row kP16[] = {
    List(Fix(205), 2, kBoth | kPfRefreshRows, RowLeakageMonitoring, kTxtMonitoringAutoInd),
    Number(Fix(206), kU16, 1000, 86, Own(0, 9.99f), kBoth, RowLeakageMax, kTxtMax, 2),
    List(Fix(208), 3, kBoth, DefaultHandler, kTxtMessage),
};

constexpr Row kP17[] = {
    List(Fix(184), 2, kBoth | kPfRefreshRows, RowWearMonitoring, kTxtMonitoringOffAutoInd),
    List(Fix(185), 2, kBoth, RowWearQuality, kTxtMeasurementQuality),
    List(Fix(186), 3, kBoth, DefaultHandler, kTxtMessage),
};

constexpr Row kP18[] = {
    List(Fix(201), 1, kBoth | kPfRefreshRows, DefaultHandler, kTxtMonitoringOffAutoInd, kOperatingTimeItems),
    Number(Fix(202), kU16, 760, 85, Own(0, 9999), kBoth, RowOperatingTimeMax, kTxtMaxOperatingTime),
    List(Fix(204), 3, kBoth, DefaultHandler, kTxtMessage),
};

constexpr Row kP19[] = {
    List(Fix(189), 1, kBoth | kPfRefreshRows, DefaultHandler, kTxtMonitoringOffInd),
    Number(Fix(190), kU16, 0, 7, Own(0, 999), kBoth, RowCipMax, kTxtMaxCycles),
    List(Fix(192), 3, kBoth, DefaultHandler, kTxtMessage),
};

constexpr Row kP20[] = {
    List(Fix(193), 1, kBoth | kPfRefreshRows, DefaultHandler, kTxtMonitoringOffInd),
    Number(Fix(194), kU16, 0, 7, Own(0, 999), kBoth, RowSipMax, kTxtMaxCycles),
    List(Fix(196), 3, kBoth, DefaultHandler, kTxtMessage),
};

constexpr Row kP21[] = {
    List(Fix(197), 1, kBoth | kPfRefreshRows, DefaultHandler, kTxtMonitoringOffInd),
    Number(Fix(198), kU16, 0, 7, Own(0, 999), kBoth, RowAutoclavingMax, kTxtMaxCycles),
    List(Fix(200), 3, kBoth, DefaultHandler, kTxtMessage),
};

constexpr Row kP22[] = {
    List(Set(206), 1, kBoth | kPfRefreshRows, DefaultHandler, kTxtMonitoringOffInd),
    Number(Set(207), kU16, 999, 7, Own(0, 999), kBoth, RowMembraneMax, kTxtMaxChanges),
    List(Set(209), 3, kBoth, DefaultHandler, kTxtMessage),
};

constexpr Row kP23[] = {
    List(Set(kBufferSetByte), kPelorixBuffers, kPfRebuildPage, DefaultHandler, kTxtTarimexBuffer, kBufferItems),
    HandlerHeading(RowBufferHeading, nullptr),
    List(Set(23), 2, 0, RowDriftControl, kTxtDriftControl),
    List(Set(220), 89, 0, RowCo2Only, kTxtProductCalibration),
};

constexpr Row kP24[] = {
    List(Fix(183), 1, kBoth | kPfRefreshRows, RowCalTimerMonitoring, kTxtMonitoringOffAutoInd),
    Number(Set(68), kFloat, 168, 9, Own(0, 9999), 0, RowCalTimerValue, kTxtCalTimer),
    List(Set(67), 2, 0, RowAdaptiveCalTimer, kTxtAdaptiveCalTimer),
};

constexpr Row kP25[] = {
    List(Fix(183), 1, kBoth | kPfRefreshRows, RowCalTimerMonitoring, kTxtMonitoringOffAutoInd),
    Number(Set(68), kFloat, 168, 9, Own(0, 9999), 0, RowCalTimerValue, kTxtAct),
};

constexpr Row kP26[] = {
    HandlerHeading(RowToleranceHeading, &kTxtToleranceHeading1),
    List(Set(24), 2, 0, DefaultHandler, kTxtToleranceCheck),
    Number(Set(25), kFloat, 0.2, 20, Own(-2, 2), 0, DefaultHandler, kTxtToleranceZero),
    Number(Set(29), kFloat, 2, 32, Own(-5, 5), 0, DefaultHandler, kTxtToleranceSlope),
};

constexpr Row kP27[] = {
    Number(Set(50), kU16, 10, 80, Own(0, 999), 0, DefaultHandler, kTxtTestingPeriod),
    Number(Set(54), kFloat, 10, 22, Own(0, 9999), 0, DefaultHandler, kTxtTestDifference),
};

constexpr Row kP28[] = {
    List(Set(199), 51, kPfRebuildPage, DefaultHandler, kTxtPressureUnit),
    Number(Set(200), kFloat, 1013, 215, kNoLimits, kPfLimitsFromHandler, RowProcessPressure, kTxtProcessPressure),
};

constexpr Row TcRow(int i) {
    return NumberWithoutDefault(Set(static_cast<uint16_t>(72 + 2 * i)), kI16, 27, 0, RowTcTable, kTxtTcTable[i], 2);
}

constexpr Row kP29[] = {
    List(Set(40), 1, kPfRebuildPage, DefaultHandler, kTxtTc),
    Number(Set(41), kFloat, 0, 28, Own(-99.99f, 99.99f), 0, RowTempFactor, kTxtTemperatureFactor),
    TcRow(0),  TcRow(1),  TcRow(2),  TcRow(3),  TcRow(4),  TcRow(5),  TcRow(6),  TcRow(7),  TcRow(8),  TcRow(9),
    TcRow(10), TcRow(11), TcRow(12), TcRow(13), TcRow(14), TcRow(15), TcRow(16), TcRow(17), TcRow(18), TcRow(19),
};

constexpr Row kP30[] = {
    List(Set(33), 1, kBoth, DefaultHandler, kTxtRefElType),
    List(Set(34), 2, 0, RowOrpToShe, kTxtOrpToShe),
    List(Set(35), 2, kPfRebuildPage, DefaultHandler, kTxtRhWithFactor),
    Number(Set(36), kFloat, 1, 26, kNoLimits, 0, RowRhFactor, kTxtFactor),
};

constexpr Row kP31[] = {
    List(Set(45), 1, kPfRebuildPage, RowPhTypeOnly, kTxtDeltaFunctionPh),
    Number(Set(46), kFloat, 0, 214, Own(-99.99f, 99.99f), 0, RowDeltaValuePh, kTxtDeltaValue),
    List(Set(45), 1, kPfRebuildPage, RowCo2Only, kTxtDeltaFunctionCo2),
    Number(Set(46), kFloat, 0, 216, kNoLimits, kPfLimitsFromHandler, RowDeltaValueCo2, kTxtDeltaValue),
};

constexpr auto kP32 = LimitMessages(Set(112), {2, -2, -2, 16, 16}, 20, Own(-2, 16),
                                    0, ShownWhileVariableLimits<Set(112)>);
constexpr auto kP33 = LimitMessages(Set(129), {1, -2000, -2000, 2000, 2000}, 22, Own(-2000, 2000),
                                    0, ShownWhileVariableLimits<Set(129)>);
constexpr auto kP34 = LimitMessages(Set(146), {1, 0, 0, 42.5, 42.5}, 25, Own(0, 42.5f),
                                    0, ShownWhileVariableLimits<Set(146)>);
constexpr auto kP35 = LimitMessages(Set(129), {1, -2000, -2000, 2000, 2000}, 89, Own(0, 1999),
                                    0, ShownWhileVariableLimits<Set(129)>);
constexpr auto kP36 = LimitMessages(Set(146), {1, 0, 0, 42.5, 42.5}, 90, Own(0, 4000),
                                    0, ShownWhileVariableLimits<Set(146)>);
constexpr auto kP37 = LimitMessages(Set(112), {2, -2, -2, 16, 16}, 48, Own(0, 2000),
                                    0, ShownWhileVariableLimits<Set(112)>);
constexpr auto kP38 = LimitMessages(Set(163), {2, -20, -20, 150, 150}, 10, Own(-50, 250),
                                    0, ShownWhileVariableLimits<Set(163)>);
constexpr auto kP39 = LimitMessages(Set(180), {1, -2000, -2000, 2000, 2000}, 21, Own(-2000, 2000),
                                    0, ShownWhileVariableLimits<Set(180)>);

// Every table in order P1..P39.
constexpr std::span<const Row> kTables[] = {
    kP1,  kP2,  kP3,  kP4,  kP5,  kP6,  kP7,  kP8,  kP9,  kP10, kP11, kP12, kP13,
    kP14, kP15, kP16, kP17, kP18, kP19, kP20, kP21, kP22, kP23, kP24, kP25, kP26,
    kP27, kP28, kP29, kP30, kP31, kP32, kP33, kP34, kP35, kP36, kP37, kP38, kP39,
};

constexpr rows::EntryTables<rows::RowCount(kTables), std::size(kTables)> kEntries{kTables};
constexpr auto kEntryTables = kEntries.spans();

// ---- default records -------------------------------------------------------------------------------

constexpr auto kPhSetDefaults = BuildRecord<386>(Section::PH_SET, kTables);
constexpr auto kPhFixDefaults = BuildRecord<222>(Section::PH_FIX, kTables);

}  // namespace

// ---- the menu --------------------------------------------------------------------------------------

#define MENU(...) rows::MakeEntry(rows::MenuRow{__VA_ARGS__}, kEntryTables)

constinit const TMenuEntry MenuPH[] = {
    MENU(1, DefaultHandler, kTxtCalibrationData, 1, kTop | kMfGreenTitle, 0x0100),      // 0
    MENU(1, DefaultHandler, kTxtInputFilter, 2, kTop, 0x0200),                          // 1
    MENU(1, DefaultHandler, kTxtSensorData, 3, kTop, 0x0400),                           // 2
    MENU(2, DefaultHandler, kTxtTempDetection, 4),                                      // 3
    MENU(2, MenuV5, kTxtSlope, 5),                                                      // 4
    MENU(2, MenuV5, kTxtZero, 6),                                                       // 5
    MENU(2, MenuV5Not13, kTxtRefEl, 7),                                                 // 6
    MENU(2, MenuV5Is13, kTxtRefEl, 8),                                                  // 7
    MENU(2, MenuV5NotIsfet, kTxtGlassEl, 9),                                            // 8
    MENU(2, MenuV5, kTxtResponseTime, 10),                                              // 9
    MENU(2, MenuV5, kTxtCalcheck, 11),                                                  // 10
    MENU(2, MenuFrom6, kTxtMonitoringDetails, 12),                                      // 11
    MENU(3, MenuFrom6, kTxtSlope, 5),                                                   // 12
    MENU(3, MenuFrom6, kTxtZero, 6),                                                    // 13
    MENU(3, MenuTemperature, kTxtTemperature, 13),                                      // 14
    MENU(3, MenuFrom6RefEl, kTxtRefEl, 7),                                              // 15
    MENU(3, MenuFrom6Is13, kTxtRefEl, 8),                                               // 16
    MENU(3, MenuFrom6NotIsfet, kTxtGlassEl, 9),                                         // 17
    MENU(3, MenuFrom6, kTxtResponseTime, 10),                                           // 18
    MENU(3, MenuDli, kTxtTtm, 14),                                                      // 19
    MENU(3, MenuDli, kTxtDli, 15),                                                      // 20
    MENU(3, MenuCalcheck, kTxtCalcheck, 11),                                            // 21
    MENU(3, MenuIsfetLeakage, kTxtIsfetLeakage, 16),                                    // 22
    MENU(3, MenuSensorWear, kTxtSensorWear, 17),                                        // 23
    MENU(3, MenuSensorCounter, kTxtOperatingTime, 18),                                  // 24
    MENU(3, MenuSensorCounterDirect, kTxtCipCounter, 19),                               // 25
    MENU(3, MenuSensorCounter, kTxtSipCounter, 20),                                     // 26
    MENU(3, MenuSensorCounterDirect, kTxtAutoclavingCounter, 21),                       // 27
    MENU(3, MenuCo2, kTxtMembraneChanges, 22),                                          // 28
    MENU(1, DefaultHandler, kTxtCalPresets, 23, kTop, 0x0800),                          // 29
    MENU(2, MenuCalTimer, kTxtCalTimer, 24),                                            // 30
    MENU(2, MenuDli, kTxtCalTimerAct, 25),                                              // 31
    MENU(2, MenuCalToleranceBand, kTxtCalToleranceBand, 26),                            // 32
    MENU(2, MenuPhType, kTxtOrpCheck, 27),                                              // 33
    MENU(1, MenuCo2, kTxtPressureCorrection, 28, kTop, 0x1000),                         // 34
    MENU(1, DefaultHandler, kTxtTcProcessMedium, 29, kTop, 0x2000),                     // 35
    MENU(1, MenuPhType, kTxtOrpRh, 30, kTop, 0x4000),                                   // 36
    MENU(1, DefaultHandler, kTxtDeltaFunction, 31, kTop, 0x8000),                       // 37
    MENU(1, DefaultHandler, kTxtMessages, 0, kTop, 0x0001),                             // 38
    MENU(2, MenuPhType, kTxtMsgPh, 32),                                                 // 39
    MENU(2, MenuPhTypeDirect, kTxtMsgOrp, 33),                                          // 40
    MENU(2, MenuPhTypeDirect, kTxtMsgRh, 34),                                           // 41
    MENU(2, MenuCo2, kTxtMsgSaturation, 35),                                            // 42
    MENU(2, MenuCo2, kTxtMsgConcentration, 36),                                         // 43
    MENU(2, MenuCo2, kTxtMsgPartialPressure, 37),                                       // 44
    MENU(2, MenuMsgTemperature, kTxtMsgTemperature, 38),                                // 45
    MENU(2, MenuPhType, kTxtMsgMv, 39),                                                 // 46
    rows::kMenuEnd,                                                                     // end
};

#undef MENU

static_assert(std::size(MenuPH) == kMenuPHEnd + 1);

std::span<const TParamEntry> PhParamTable(int n) {
    CheckIndex("pH parameter table", n - 1, std::size(kEntryTables));
    return kEntryTables[n - 1];
}

std::span<const uint8_t> PhSetDefaultRecord() { return kPhSetDefaults; }

uint8_t FactoryBufferSet(const TIdFront& front) {
    if (front.Brand == kBrevonBrand) return kBrevonBuffers;
    return static_cast<unsigned char>(front.SwMajor) >= '9' ? kPelorixBuffers : kMakerBuffers;
}
std::span<const uint8_t> PhFixDefaultRecord() { return kPhFixDefaults; }

}  // namespace tessalin
