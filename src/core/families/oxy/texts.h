#pragma once
// Device texts of the oxygen family: menu titles, row labels with their choice lists, and the texts the
// handlers put together (headings). Seven languages each, in the order de, en, fr, it, sv, es, pt. The
// texts that other families use as well come from common_texts.h.

#include "core/catalogue/tables.h"
#include "core/families/shared/common_texts.h"

namespace tessalin::oxy {

using namespace common;

// ---- menu titles
extern const TextRecord kTxtInnerBodyChanges, kTxtExtPressureTransmitter, kTxtPressureDuringMeas,
    kTxtPressureDuringCal, kTxtSalinityCorrection, kTxtMsgSaturationAir, kTxtMsgSaturationO2, kTxtMsgAirPressure;

// ---- sensor data
extern const TextRecord kTxtSensorType, kTxtSensorTypeAbc, kTxtSensorType001, kTxtTempProbe, kTxtCurrentRange,
    kTxtPolarizationVoltage, kTxtMeasureInLiquidsVolPpm, kTxtMeasureInLiquidsGases,
    kTxtSensorGuard, kTxtReferenceElectrode, kTxtMembraneCorrection, kTxtSensorPolarization;

// ---- cal presets
extern const TextRecord kTxtSaturationCal, kTxtProductCalibration, kTxtConcentrationCal;

// ---- pressure correction
extern const TextRecord kTxtPressureMeasChoice, kTxtPressureCalChoice, kTxtPressureTransmitter, kTxtCurrentInput,
    kTxtStart, kTxtExit, kTxtDetection;

// ---- salinity correction
extern const TextRecord kTxtSalinityInput, kTxtSalinity, kTxtChlorinity, kTxtConductivity,
    kTxtCalculatedSalinity;

// ---- digital and optical oxygen sensors
extern const TextRecord kTxtO2AtCipSip, kTxtCutOffTempMin, kTxtCutOffTempMax;

// ---- texts put together by handlers
// Two-line headings of the cal presets and of the pressure correction.
extern const TextRecord kTxtCalPresetHeading1, kTxtCalPresetHeading2;
extern const TextRecord kTxtPressureHeading1, kTxtPressureHeading2;

}  // namespace tessalin::oxy
