#pragma once
// The parameter tables O1..O38 of the oxygen family, each row with its factory default. MenuOxy and the
// menus of the digital and optical oxygen sensors point into them; the default records of the oxygen
// sections are built from them.

#include <array>
#include <span>

#include "core/catalogue/events.h"
#include "core/catalogue/row_builders.h"
#include "core/device/predicates.h"
#include "core/families/oxy/handlers.h"
#include "core/families/oxy/texts.h"
#include "core/families/shared/limit_messages.h"

namespace tessalin::oxy {

using namespace rows;

constexpr Location Set(uint16_t offset) { return At(Section::OXY_SET, offset); }
constexpr Location Fix(uint16_t offset) { return At(Section::OXY_FIX, offset); }

// ---- item conditions -------------------------------------------------------------------------------

inline constexpr Predicate kTransmitterItems[] = {Always, CtxNotDigital};
inline constexpr Predicate kDetectionItems[] = {CtxNotDigital, Always, CtxDigital, PaNewFrom8};
// "Device limits max." only up to version 6.
inline constexpr Predicate kLimitMonitoringItems[] = {Always, SwBefore7, Always};

// ---- parameter tables ------------------------------------------------------------------------------

inline constexpr Row kO1[] = {
    Text(Fix(26), RowCalStamp, kTxtSensorModel),
    Text(Fix(36), RowCalStamp, kTxtSerialNo),
    Separator(),
    Number(Fix(5), kFloat, 0, 30, Own(-2, 2), kBoth, RowCalStamp, kTxtZero),
    Number(Fix(9), kFloat, -50, 56, Own(-1000, -25), kBoth, RowCalStamp, kTxtSlope),
};

inline constexpr Row kO2[] = {
    List(Set(8), 3, 0, DefaultHandler, kTxtPulseSuppressionLevels),
    Number(Set(213), kI16, 10, 80, kNoLimits, 0, DefaultHandler, kTxtInputFilter),
};

inline constexpr uint32_t kSensorTypeFlags = kBoth | kPfRebuildPage;
inline constexpr uint32_t kMeasureInFlags = kPfRebuildPage | kPfRebuildBranch;

// Rows the sensor-data pages share.
inline constexpr Row kTempProbeRow = List(Set(9), 8, kBoth, RowEditableForOther, kTxtTempProbe);
inline constexpr Row kQuellixRow = List(Set(21), 1, 0, RowUnlessOther, kTxtQuellix);
inline constexpr Row kQuelloraRow = List(Set(21), 1, 0, DefaultHandler, kTxtQuellora);
inline constexpr Row kMeasureInV5or6Row = List(Set(178), 1, kMeasureInFlags, RowMeasureInV5or6, kTxtMeasureInLiquidsVolPpm);
inline constexpr Row kMeasureInFrom7Row = List(Set(178), 1, kMeasureInFlags, RowMeasureInFrom7, kTxtMeasureInLiquidsGases);
inline constexpr Row kSensorTypeStdRow =
    List(Set(23), 2, kSensorTypeFlags, RowSensorTypeStandardOrTrace, kTxtSensorType);
inline constexpr Row kSensorType001Row = List(Set(23), 2, kSensorTypeFlags, RowSensorTypeTrace001, kTxtSensorType001);
inline constexpr Row kPolarizationRows[] = {
    List(Fix(177), 2, kBoth | kPfRefreshRows, RowPolarizationMonitoring, kTxtSensorPolarization),
    Number(Set(55), kFloat, 675, 77, kNoLimits, 0, RowPolarizationVoltage, kTxtPolarizationVoltage),
    HandlerHeading(RowPolarizationHeading, &kTxtPolarizationVoltage),
};

inline constexpr Row kO3[] = {
    List(Set(23), 2, kSensorTypeFlags, RowSensorType, kTxtSensorType),
    kTempProbeRow,
    List(Set(59), 0, kBoth, DefaultHandler, kTxtCurrentRange),
    Number(Set(55), kFloat, 675, 77, Own(0, 1999), 0, DefaultHandler, kTxtPolarizationVoltage),
    kQuellixRow,
};

inline constexpr Row kO4[] = {
    kMeasureInV5or6Row,
    kMeasureInFrom7Row,
    List(Set(23), 2, kSensorTypeFlags, RowSensorType, kTxtSensorTypeAbc),
    kTempProbeRow,
    List(Set(177), 2, kBoth, RowEditableForOther, kTxtSensorGuard),
    List(Set(176), 2, kBoth, RowEditableForOther, kTxtReferenceElectrode),
    Number(Fix(103), kFloat, 1, 26, kNoLimits, kBoth, RowShownForOther, kTxtMembraneCorrection),
    kPolarizationRows[0],
    kPolarizationRows[1],
    kPolarizationRows[2],
    kQuellixRow,
};

inline constexpr Row kO5[] = {
    kMeasureInV5or6Row,
    kMeasureInFrom7Row,
    kSensorTypeStdRow,
    kSensorType001Row,
    kTempProbeRow,
    Number(Fix(103), kFloat, 1, 26, kNoLimits, kBoth, RowEditableForOther, kTxtMembraneCorrection),
    kPolarizationRows[0],
    kPolarizationRows[1],
    kPolarizationRows[2],
    kQuelloraRow,
};

inline constexpr Row kO6[] = {
    kMeasureInFrom7Row,
    kSensorTypeStdRow,
    kSensorType001Row,
    Number(Fix(103), kFloat, 1, 26, kNoLimits, kBoth, ShowReadOnly, kTxtMembraneCorrection),
    kQuelloraRow,
};

inline constexpr Row kO7[] = {
    List(Set(288), 1, kBoth | kPfRebuildBranch, RowMode, kTxtMode),
};

inline constexpr uint32_t kMonitoringFlags = kBoth | kPfRefreshRows;

inline constexpr Row kO8[] = {
    List(Fix(107), 2, kMonitoringFlags, RowSlopeMonitoring, kTxtMonitoringAutoInd),
    Number(Fix(108), kFloat, -50, 56, Own(-999.9f, 0), kMonitoringFlags, RowSlopeValue, kTxtNominal),
    Number(Fix(112), kFloat, -110, 56, Own(-999.9f, 0), kBoth, RowSlopeValue, kTxtMin),
    Number(Fix(116), kFloat, -30, 56, Own(-999.9f, 0), kBoth, RowSlopeValue, kTxtMax),
    List(Fix(120), 3, kBoth, DefaultHandler, kTxtMessage),
};

inline constexpr Row kO9[] = {
    List(Fix(121), 2, kMonitoringFlags, RowZeroMonitoring, kTxtMonitoringAutoInd),
    Number(Fix(122), kFloat, 0, 30, Own(-50, 50), kMonitoringFlags, RowZeroValue, kTxtNominal),
    Number(Fix(126), kFloat, -1, 30, Own(-50, 50), kBoth, RowZeroValue, kTxtMin),
    Number(Fix(130), kFloat, 1, 30, Own(-50, 50), kBoth, RowZeroValue, kTxtMax),
    List(Fix(134), 3, kBoth, DefaultHandler, kTxtMessage),
};

inline constexpr Row kO10[] = {
    List(Fix(178), 2, kMonitoringFlags, RowTempMonitoring, kTxtMonitoringAutoInd),
    Number(Fix(179), kFloat, -20, 10, Own(-50, 250), kBoth, RowTempLimit, kTxtMin),
    Number(Fix(183), kFloat, 150, 10, Own(-50, 250), kBoth, RowTempLimit, kTxtMax),
    List(Fix(187), 3, kBoth, DefaultHandler, kTxtMessage),
};

inline constexpr Row kO11[] = {
    List(Fix(135), 2, kMonitoringFlags, RowQuellixMonitoringBefore8, kTxtMonitoringAutoInd),
    List(Fix(135), 2, kMonitoringFlags, RowQuellixMonitoringFrom8, kTxtMonitoringOffAutoInd),
    Number(Fix(136), kFloat, 100000, 17, Own(0, 9.999e6f), kMonitoringFlags, RowQuellixValue, kTxtNominal),
    Number(Fix(140), kFloat, 28570, 17, Own(0, 9.999e6f), kBoth, RowQuellixValue, kTxtMin),
    Number(Fix(144), kFloat, 350000, 17, Own(0, 9.999e6f), kBoth, RowQuellixValue, kTxtMax),
    List(Fix(148), 3, kBoth, DefaultHandler, kTxtMessage),
};

inline constexpr Row kO12[] = {
    List(Fix(149), 2, kMonitoringFlags, RowResponseMonitoring, kTxtMonitoringAutoInd),
    Number(Fix(150), kU16, 1200, 8, Own(0, 999.9f), kBoth, RowResponseMax, kTxtMax),
    List(Fix(152), 3, kBoth, DefaultHandler, kTxtMessage),
};

inline constexpr Row kO13[] = {
    List(Set(289), 1, kMonitoringFlags, RowTtmMonitoring, kTxtMonitoringOffAutoInd),
    Number(Set(290), kU16, 760, 99, Own(0, 999), kBoth | kPfFormatFromHandler, RowTtmEntry, kTxtTtmEntry),
};

inline constexpr Row kO14[] = {
    List(Fix(153), 2, kPfRefreshRows, RowDliMonitoring, kTxtMonitoringOffAuto),
    List(Fix(155), 3, 0, DefaultHandler, kTxtMessage),
};

inline constexpr Row kO15[] = {
    List(Fix(153), 2, kMonitoringFlags, RowWearMonitoring, kTxtMonitoringOffAutoInd),
    List(Fix(154), 2, kBoth, RowWearQuality, kTxtMeasurementQuality),
    List(Fix(155), 3, kBoth, DefaultHandler, kTxtMessage),
};

inline constexpr Row kO16[] = {
    List(Fix(172), 1, kMonitoringFlags, RowOperatingTimeMonitoringBefore8, kTxtMonitoringOffInd),
    List(Fix(172), 1, kMonitoringFlags, RowOperatingTimeMonitoringFrom8, kTxtMonitoringOffAutoInd),
    Number(Fix(173), kU16, 9999, 85, Own(0, 9999), kBoth, RowOperatingTimeMax, kTxtMaxOperatingTime),
    List(Fix(175), 3, kBoth, DefaultHandler, kTxtMessage),
};

// A counter page: Monitoring (Off or Individual), the maximum while Individual, the message.
constexpr std::array<Row, 3> Counter(uint16_t at, double max, Handler maxRow, const TextRecord& maxLabel) {
    return {{
        List(Fix(at), 1, kMonitoringFlags, DefaultHandler, kTxtMonitoringOffInd),
        Number(Fix(at + 1), kU16, max, 7, Own(0, 999), kBoth, maxRow, maxLabel),
        List(Fix(at + 3), 3, kBoth, DefaultHandler, kTxtMessage),
    }};
}

inline constexpr auto kO17 = Counter(160, 0, RowCipMax, kTxtMaxCycles);
inline constexpr auto kO18 = Counter(164, 0, RowSipMax, kTxtMaxCycles);
inline constexpr auto kO19 = Counter(168, 0, RowAutoclavingMax, kTxtMaxCycles);
inline constexpr auto kO20 = Counter(188, 999, RowMembraneMax, kTxtMaxChanges);
inline constexpr auto kO21 = Counter(192, 999, RowInnerBodyMax, kTxtMaxChanges);

inline constexpr Row kO22[] = {
    HandlerHeading(RowCalPresetHeading, &kTxtCalPresetHeading1),
    List(Set(68), 41, 0, RowSaturationCal, kTxtSaturationCal),
    List(Set(68), 41, 0, RowProductCalibration, kTxtProductCalibration),
    List(Set(69), 43, 0, RowConcentrationCal, kTxtConcentrationCal),
    Number(Set(70), kFloat, 720, 9, kNoLimits, 0, RowCalTimerV5, kTxtCalTimer),
};

inline constexpr Row kO23[] = {
    List(Fix(176), 2, kMonitoringFlags, RowCalTimerMonitoring, kTxtMonitoringOffAutoInd),
    Number(Set(70), kFloat, 720, 9, Own(0, 9999), 0, RowCalTimerValue, kTxtCalTimer),
};

inline constexpr Row kO24[] = {
    List(Fix(176), 2, kMonitoringFlags, RowCalTimerMonitoring, kTxtMonitoringOffAutoInd),
    Number(Set(70), kFloat, 720, 9, Own(0, 9999), 0, RowCalTimerValue, kTxtAct),
};

inline constexpr Row kO25[] = {
    HandlerHeading(RowPressureHeading, &kTxtPressureHeading1),
    List(Set(24), 1, kPfRebuildPage, DefaultHandler, kTxtPressureMeasChoice),
    Number(Set(25), kFloat, 1013, 50, Own(0, 9999), 0, RowManualMeasPressure, kTxtManual),
    List(Set(29), 1, kPfRebuildPage, DefaultHandler, kTxtPressureCalChoice),
    Number(Set(30), kFloat, 1013, 50, Own(0, 9999), 0, RowManualCalPressure, kTxtManual),
};

inline constexpr Row kO26[] = {
    HandlerHeading(RowPressureHeading, &kTxtPressureHeading1),
};

inline constexpr Row kO27[] = {
    List(Set(215), 2, 0, DefaultHandler, kTxtPressureTransmitter, kTransmitterItems),
    List(Set(216), 2, 0, DefaultHandler, kTxtCurrentInput),
    Number(Set(217), kFloat, 0, 50, Own(0, 9999), kPfLimitsFromHandler, RowTransmitterRange, kTxtStart),
    Number(Set(221), kFloat, 9999, 50, Own(0, 9999), kPfLimitsFromHandler, RowTransmitterRange, kTxtExit),
};

inline constexpr Row kO28[] = {
    List(Set(24), 1, kPfRebuildPage, DefaultHandler, kTxtDetection, kDetectionItems),
    Number(Set(25), kFloat, 1013, 50, Own(0, 9999), 0, RowManualMeasPressure, kTxtManual),
};

inline constexpr Row kO29[] = {
    List(Set(29), 1, kPfRebuildPage, DefaultHandler, kTxtDetection, kDetectionItems),
    Number(Set(30), kFloat, 1013, 50, Own(0, 9999), 0, RowManualCalPressure, kTxtManual),
};

inline constexpr Row kO30[] = {
    List(Set(38), 1, kPfRebuildPage, RowSalinityInput, kTxtSalinityInput),
    Number(Set(39), kFloat, 0, 45, Own(0, 1200), 0, RowSalinity, kTxtSalinity),
    Number(Set(43), kFloat, 0, 45, Own(0, 1200), kPfRefreshRows, RowChlorinity, kTxtChlorinity),
    Number(Set(47), kFloat, 0, 34, Own(0, 9.999e6f), kPfRefreshRows, RowConductivityInput, kTxtConductivity),
    Number(Set(51), kFloat, 25, 10, Own(-50, 250), kPfRefreshRows, RowConductivityInput, kTxtTemperature),
    Number(Set(34), kFloat, 0, 45, kNoLimits, kPfHeadingFromHandler, RowCalculatedSalinity, kTxtCalculatedSalinity),
};

inline constexpr auto kO31 = LimitMessages(Set(74), {1, 0, 0, 600, 600}, 41, Own(0, 1999),
                                           kPfLimitsFromHandler, RowLimitsSaturationAir, kLimitMonitoringItems);
inline constexpr auto kO32 = LimitMessages(Set(91), {1, 0, 0, 120, 120}, 42, Own(0, 999.9f),
                                           kPfLimitsFromHandler, RowLimitsSaturationO2, kLimitMonitoringItems);
inline constexpr auto kO33 = LimitMessages(Set(108), {1, 0, 0, 9.9, 9.9}, 43, Own(0, 100),
                                           kPfLimitsFromHandler, RowLimitsConcentration, kLimitMonitoringItems);
inline constexpr auto kO34 = LimitMessages(Set(179), {1, 0, 0, 120, 120}, 46, Own(0, 100),
                                           kPfLimitsFromHandler, RowLimitsVolume, kLimitMonitoringItems);
inline constexpr auto kO35 = LimitMessages(Set(196), {1, 0, 0, 9999, 9999}, 47, Own(0, 9999),
                                           0, ShownWhileVariableLimits<Set(196)>, kLimitMonitoringItems);
inline constexpr auto kO36 = LimitMessages(Set(125), {1, 0, 0, 2000, 2000}, 48, Own(0, 9999),
                                           0, ShownWhileVariableLimits<Set(125)>, kLimitMonitoringItems);
inline constexpr auto kO37 = LimitMessages(Set(142), {2, -20, -20, 150, 150}, 10, Own(-50, 250),
                                           0, ShownWhileVariableLimits<Set(142)>);
inline constexpr auto kO38 = LimitMessages(Set(159), {1, 700, 700, 1100, 1100}, 48, Own(0, 9999),
                                           0, ShownWhileVariableLimits<Set(159)>);

// Every table in order O1..O38.
inline constexpr std::span<const Row> kOxyTables[] = {
    kO1,  kO2,  kO3,  kO4,  kO5,  kO6,  kO7,  kO8,  kO9,  kO10, kO11, kO12, kO13, kO14, kO15, kO16, kO17, kO18, kO19,
    kO20, kO21, kO22, kO23, kO24, kO25, kO26, kO27, kO28, kO29, kO30, kO31, kO32, kO33, kO34, kO35, kO36, kO37, kO38,
};

inline constexpr EntryTables<RowCount(kOxyTables), std::size(kOxyTables)> kOxyEntries{kOxyTables};
inline constexpr auto kOxyEntryTables = kOxyEntries.spans();

}  // namespace tessalin::oxy
