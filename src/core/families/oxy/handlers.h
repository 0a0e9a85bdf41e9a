#pragma once
// Handlers of the oxygen family. Menu handlers decide whether an item is shown; row handlers decide
// whether a row is shown and editable, supply headings, limits and formats, and write the values that
// depend on a committed one. Every event they do not answer goes to the default handler.

#include "core/catalogue/tables.h"

namespace tessalin::oxy {

// ---- menu items (event 0)
bool MenuSensorData7(int event, TEvParRec& rec);
bool MenuSensorData10or11(int event, TEvParRec& rec);
bool MenuSensorDataDirect(int event, TEvParRec& rec);     // 20, 21, 26, and 151/152 not via the I-module
bool MenuSensorDataIModule(int event, TEvParRec& rec);    // 151/152 via the I-module
bool MenuFrom6(int event, TEvParRec& rec);
bool MenuTemperature(int event, TEvParRec& rec);
bool MenuQuellix(int event, TEvParRec& rec);               // from version 8 also writes the current-input defaults
bool MenuDli(int event, TEvParRec& rec);
bool MenuSensorWear(int event, TEvParRec& rec);
bool MenuOperatingTime(int event, TEvParRec& rec);         // from version 8 also writes the sensor-hours default
bool MenuSensorCounter(int event, TEvParRec& rec);
bool MenuCalTimer(int event, TEvParRec& rec);
bool MenuPressureV5or6(int event, TEvParRec& rec);
bool MenuPressure(int event, TEvParRec& rec);
bool MenuExtPressure(int event, TEvParRec& rec);
bool MenuNotVolume(int event, TEvParRec& rec);
bool MenuVolumePercent(int event, TEvParRec& rec);
bool MenuVolumePpm(int event, TEvParRec& rec);
bool MenuMsgTemperature(int event, TEvParRec& rec);
bool MenuMsgAirPressure(int event, TEvParRec& rec);

// ---- calibration data
bool RowCalStamp(int event, TEvParRec& rec);

// ---- sensor data
bool RowSensorType(int event, TEvParRec& rec);
bool RowSensorTypeStandardOrTrace(int event, TEvParRec& rec);  // modules 20, 21, 151
bool RowSensorTypeTrace001(int event, TEvParRec& rec);         // modules 26, 152
bool RowEditableForOther(int event, TEvParRec& rec);
bool RowShownForOther(int event, TEvParRec& rec);
bool RowUnlessOther(int event, TEvParRec& rec);
bool RowMeasureInV5or6(int event, TEvParRec& rec);
bool RowMeasureInFrom7(int event, TEvParRec& rec);
bool RowPolarizationMonitoring(int event, TEvParRec& rec);
bool RowPolarizationVoltage(int event, TEvParRec& rec);
bool RowPolarizationHeading(int event, TEvParRec& rec);

// ---- sensor monitoring
bool RowMode(int event, TEvParRec& rec);
bool RowSlopeMonitoring(int event, TEvParRec& rec);
bool RowSlopeValue(int event, TEvParRec& rec);
bool RowZeroMonitoring(int event, TEvParRec& rec);
bool RowZeroValue(int event, TEvParRec& rec);
bool RowTempMonitoring(int event, TEvParRec& rec);
bool RowTempLimit(int event, TEvParRec& rec);
bool RowQuellixMonitoringBefore8(int event, TEvParRec& rec);
bool RowQuellixMonitoringFrom8(int event, TEvParRec& rec);
bool RowQuellixValue(int event, TEvParRec& rec);
bool RowResponseMonitoring(int event, TEvParRec& rec);
bool RowResponseMax(int event, TEvParRec& rec);
bool RowTtmMonitoring(int event, TEvParRec& rec);
bool RowTtmEntry(int event, TEvParRec& rec);
bool RowDliMonitoring(int event, TEvParRec& rec);
bool RowWearMonitoring(int event, TEvParRec& rec);
bool RowWearQuality(int event, TEvParRec& rec);
bool RowOperatingTimeMonitoringBefore8(int event, TEvParRec& rec);
bool RowOperatingTimeMonitoringFrom8(int event, TEvParRec& rec);
bool RowOperatingTimeMax(int event, TEvParRec& rec);
bool RowCipMax(int event, TEvParRec& rec);
bool RowSipMax(int event, TEvParRec& rec);
bool RowAutoclavingMax(int event, TEvParRec& rec);
bool RowMembraneMax(int event, TEvParRec& rec);
bool RowInnerBodyMax(int event, TEvParRec& rec);

// ---- cal presets and cal timer
bool RowCalPresetHeading(int event, TEvParRec& rec);
bool RowSaturationCal(int event, TEvParRec& rec);
bool RowProductCalibration(int event, TEvParRec& rec);
bool RowConcentrationCal(int event, TEvParRec& rec);
bool RowCalTimerV5(int event, TEvParRec& rec);
bool RowCalTimerMonitoring(int event, TEvParRec& rec);
bool RowCalTimerValue(int event, TEvParRec& rec);

// ---- pressure correction
bool RowPressureHeading(int event, TEvParRec& rec);
bool RowManualMeasPressure(int event, TEvParRec& rec);
bool RowManualCalPressure(int event, TEvParRec& rec);
bool RowTransmitterRange(int event, TEvParRec& rec);

// ---- salinity correction
bool RowSalinityInput(int event, TEvParRec& rec);
bool RowSalinity(int event, TEvParRec& rec);
bool RowChlorinity(int event, TEvParRec& rec);
bool RowConductivityInput(int event, TEvParRec& rec);  // conductivity and its temperature
bool RowCalculatedSalinity(int event, TEvParRec& rec);

// ---- limit messages: the four limits are shown while their Monitoring says "Variable limits"
bool RowLimitsSaturationAir(int event, TEvParRec& rec);  // upper limit by module
bool RowLimitsSaturationO2(int event, TEvParRec& rec);   // upper limit by module
bool RowLimitsConcentration(int event, TEvParRec& rec);  // upper limit by module
bool RowLimitsVolume(int event, TEvParRec& rec);         // upper limit 999.9

// ---- digital and optical oxygen sensors
// Items of a sensor on the digital-sensor module (carrier type 27).
bool MenuOnDigitalSensorModule(int event, TEvParRec& rec);
bool RowMeasureInDigital(int event, TEvParRec& rec);
// Oxygen measurement during CIP/SIP: the cut-off temperature of "Auto" is 85 °C.
bool RowCutOffMonitoring(int event, TEvParRec& rec);
bool RowCutOffMax(int event, TEvParRec& rec);

}  // namespace tessalin::oxy
