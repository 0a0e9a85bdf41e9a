#pragma once
// Device texts that the measuring-module families share: the titles of the menu items every measuring
// module has (calibration data, sensor monitoring, cal presets, messages), the monitoring rows with their
// choice lists, and the rows of a limit-message page. Seven languages each, in the order de, en, fr, it,
// sv, es, pt.

#include "core/catalogue/tables.h"

namespace tessalin::measuring {

// ---- menu titles
extern const TextRecord kTxtCalibrationData, kTxtInputFilter, kTxtSensorData, kTxtSlope, kTxtZero,
    kTxtResponseTime, kTxtMonitoringDetails, kTxtTemperature, kTxtTtm, kTxtDli, kTxtSensorWear, kTxtOperatingTime,
    kTxtCipCounter, kTxtSipCounter, kTxtAutoclavingCounter, kTxtMembraneChanges, kTxtCalPresets, kTxtCalTimer,
    kTxtCalTimerAct, kTxtPressureCorrection, kTxtMessages, kTxtMsgConcentration, kTxtMsgPartialPressure,
    kTxtMsgTemperature;

// ---- calibration data, input filter, sensor data
extern const TextRecord kTxtSensorModel, kTxtSerialNo;
extern const TextRecord kTxtPulseSuppressionLevels;  // Off, Weak, Moderate, Strong
extern const TextRecord kTxtQuellora, kTxtManual;

// ---- monitoring rows: the Monitoring choices, nominal and limits, the message a violation raises
extern const TextRecord kTxtMonitoringAutoInd, kTxtMonitoringOffAutoInd, kTxtMonitoringOffAuto,
    kTxtMonitoringOffInd, kTxtNominal, kTxtMin, kTxtMax, kTxtMessage;
extern const TextRecord kTxtMode, kTxtTtmEntry, kTxtMeasurementQuality, kTxtMaxOperatingTime, kTxtMaxCycles,
    kTxtMaxChanges, kTxtAct;

// ---- limit messages: Monitoring (Off, device limits, variable limits) and the four limits
extern const TextRecord kTxtLimitMonitoring, kTxtFailureLo, kTxtWarningLo, kTxtWarningHi, kTxtFailureHi;

}  // namespace tessalin::measuring
