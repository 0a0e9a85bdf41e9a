#pragma once
// Device texts that several module families show alike: the menu titles and row labels of calibration
// data, input filter, sensor data, temperature detection, sensor monitoring and limit messages. Seven
// languages each, in the order de, en, fr, it, sv, es, pt.

#include "core/catalogue/tables.h"

namespace tessalin::common {

// ---- menu titles
extern const TextRecord kTxtCalibrationData, kTxtInputFilter, kTxtSensorData, kTxtTempDetection, kTxtZero,
    kTxtMonitoringDetails, kTxtOperatingTime, kTxtCipCounter, kTxtSipCounter, kTxtCalPresets,
    kTxtTcProcessMedium, kTxtMessages, kTxtMsgConcentration, kTxtMsgTemperature, kTxtSlope, kTxtResponseTime,
    kTxtTemperature, kTxtTtm, kTxtDli, kTxtSensorWear, kTxtAutoclavingCounter, kTxtMembraneChanges, kTxtCalTimer,
    kTxtCalTimerAct, kTxtPressureCorrection, kTxtMsgPartialPressure;
// The first item of the digital sensor menus, in orange.
extern const TextRecord kTxtOperatingMode;

// ---- calibration data, input filter, sensor data
extern const TextRecord kTxtSensorModel, kTxtSerialNo, kTxtPulseSuppression, kTxtQuellora;
// The Quellix message (Off, Failure, Maintenance); its name is also the title of the Quellix page.
extern const TextRecord kTxtQuellix;
extern const TextRecord kTxtPulseSuppressionLevels;  // Off, Weak, Moderate, Strong

// ---- temperature detection: the selectors (1 Auto, 2 Manual) and the manual value beside each
extern const TextRecord kTxtMeasuringTemp, kTxtManual, kTxtCalTemp;

// ---- sensor monitoring
extern const TextRecord kTxtMonitoringAutoInd, kTxtMonitoringOffAutoInd, kTxtMonitoringOffAuto,
    kTxtMonitoringOffInd, kTxtNominal, kTxtMin, kTxtMax, kTxtMessage, kTxtMaxOperatingTime, kTxtMaxCycles,
    kTxtMaxChanges;
// The wear rows: Mode (load matrix or DLI), the TTM entry, measurement quality, the ACT label.
extern const TextRecord kTxtMode, kTxtTtmEntry, kTxtMeasurementQuality, kTxtAct;

// ---- limit messages: Monitoring (1 Off, 2 Device limits max., 3 Variable limits) and the four limits
extern const TextRecord kTxtLimitMonitoring, kTxtFailureLo, kTxtWarningLo, kTxtWarningHi, kTxtFailureHi;

}  // namespace tessalin::common
