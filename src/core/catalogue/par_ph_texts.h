#pragma once
// Device texts of the pH family: menu titles, row labels with their choice lists, and the texts that
// the handlers put together (headings, buffer-set descriptions). Seven languages each, in the order
// de, en, fr, it, sv, es, pt.

#include <array>

#include "core/catalogue/tables.h"

namespace tessalin::ph {

// ---- menu titles
extern const TextRecord kTxtCalibrationData, kTxtInputFilter, kTxtSensorData, kTxtTempDetection, kTxtSlope,
    kTxtZero, kTxtRefEl, kTxtGlassEl, kTxtResponseTime, kTxtCalcheck, kTxtMonitoringDetails, kTxtTemperature,
    kTxtTtm, kTxtDli, kTxtIsfetLeakage, kTxtSensorWear, kTxtOperatingTime, kTxtCipCounter, kTxtSipCounter,
    kTxtAutoclavingCounter, kTxtMembraneChanges, kTxtCalPresets, kTxtCalTimer, kTxtCalTimerAct,
    kTxtCalToleranceBand, kTxtOrpCheck, kTxtPressureCorrection, kTxtTcProcessMedium, kTxtOrpRh,
    kTxtDeltaFunction, kTxtMessages, kTxtMsgPh, kTxtMsgOrp, kTxtMsgRh, kTxtMsgSaturation, kTxtMsgConcentration,
    kTxtMsgPartialPressure, kTxtMsgTemperature, kTxtMsgMv;

// ---- row labels and choice lists
extern const TextRecord kTxtSensorModel, kTxtSerialNo, kTxtIsothermPotential, kTxtIsothermalPoint, kTxtIsfetZero;
extern const TextRecord kTxtPulseSuppression, kTxtPulseSuppressionCo2;
extern const TextRecord kTxtSensorType, kTxtSensorMonitoring, kTxtElectrolyteSpecs, kTxtElectrolyteConc,
    kTxtElectrolyteSalinity, kTxtQuellora;
extern const TextRecord kTxtTempProbe, kTxtTempProbeB, kTxtMeasuringTemp, kTxtManual, kTxtCalTemp;
extern const TextRecord kTxtMonitoringAutoInd, kTxtMonitoringOffAutoInd, kTxtMonitoringOffAuto,
    kTxtMonitoringOffInd, kTxtNominal, kTxtMin, kTxtMax, kTxtMessage, kTxtMeasDistanceMax;
extern const TextRecord kTxtMode, kTxtTtmEntry, kTxtMeasurementQuality, kTxtMaxOperatingTime, kTxtMaxCycles,
    kTxtMaxChanges;
extern const TextRecord kTxtTarimexBuffer, kTxtDriftControl, kTxtProductCalibration;
extern const TextRecord kTxtAdaptiveCalTimer, kTxtAct;
extern const TextRecord kTxtToleranceHeading1, kTxtToleranceHeading2, kTxtToleranceCheck, kTxtToleranceZero,
    kTxtToleranceSlope;
extern const TextRecord kTxtTestingPeriod, kTxtTestDifference;
extern const TextRecord kTxtPressureUnit, kTxtProcessPressure;
extern const TextRecord kTxtTc, kTxtTemperatureFactor;
extern const std::array<TextRecord, 20> kTxtTcTable;  // "TC at 00 °C:" .. "TC at 95 °C:"
extern const TextRecord kTxtRefElType, kTxtOrpToShe, kTxtRhWithFactor, kTxtFactor;
extern const TextRecord kTxtDeltaFunctionPh, kTxtDeltaFunctionCo2, kTxtDeltaValue;
extern const TextRecord kTxtLimitMonitoring, kTxtFailureLo, kTxtWarningLo, kTxtWarningHi, kTxtFailureHi;

// ---- texts put together by handlers
// Description of buffer sets 1..15 (index = set code - 1), and the word that precedes the values of the
// user table (set 33).
extern const std::array<TextRecord, 15> kTxtBufferSets;
extern const TextRecord kTxtBufferTable;

}  // namespace tessalin::ph
