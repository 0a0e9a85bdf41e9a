#pragma once
// Handlers of the pH family. Menu handlers decide whether an item is shown; row handlers decide whether
// a row is shown and editable, supply texts, limits and formats, and write the values that depend on
// a committed one. Every event they do not answer goes to the default handler.

#include "core/catalogue/tables.h"

namespace tessalin::ph {

// ---- menu items (event 0)
bool MenuV5(int event, TEvParRec& rec);
bool MenuV5Not13(int event, TEvParRec& rec);
bool MenuV5Is13(int event, TEvParRec& rec);
bool MenuV5NotIsfet(int event, TEvParRec& rec);
bool MenuFrom6(int event, TEvParRec& rec);
bool MenuTemperature(int event, TEvParRec& rec);
bool MenuFrom6RefEl(int event, TEvParRec& rec);
bool MenuFrom6Is13(int event, TEvParRec& rec);
bool MenuFrom6NotIsfet(int event, TEvParRec& rec);
bool MenuDli(int event, TEvParRec& rec);
bool MenuCalcheck(int event, TEvParRec& rec);
bool MenuIsfetLeakage(int event, TEvParRec& rec);
bool MenuSensorWear(int event, TEvParRec& rec);
bool MenuSensorCounter(int event, TEvParRec& rec);       // through the I-module only from version 9
bool MenuSensorCounterDirect(int event, TEvParRec& rec); // never through the I-module
bool MenuCo2(int event, TEvParRec& rec);
bool MenuCalTimer(int event, TEvParRec& rec);
bool MenuCalToleranceBand(int event, TEvParRec& rec);
bool MenuPhType(int event, TEvParRec& rec);
bool MenuPhTypeDirect(int event, TEvParRec& rec);
bool MenuMsgTemperature(int event, TEvParRec& rec);

// ---- calibration data
bool RowCalStamp(int event, TEvParRec& rec);
bool RowCalStampIsothermPotential(int event, TEvParRec& rec);
bool RowCalStampIsothermalPoint(int event, TEvParRec& rec);
bool RowCalStampIsfetZero(int event, TEvParRec& rec);

// ---- rows shown for one kind of module
bool RowPhTypeOnly(int event, TEvParRec& rec);
bool RowCo2Only(int event, TEvParRec& rec);

// ---- sensor data and temperature detection
bool RowSensorType(int event, TEvParRec& rec);
bool RowSensorMonitoring(int event, TEvParRec& rec);
bool RowElectrolyteSpecs(int event, TEvParRec& rec);
bool RowElectrolyteValue(int event, TEvParRec& rec);
bool RowTempProbeA(int event, TEvParRec& rec);
bool RowTempProbeB(int event, TEvParRec& rec);
bool RowTempSelector(int event, TEvParRec& rec);

// ---- sensor monitoring
bool RowSlopeMonitoring(int event, TEvParRec& rec);
bool RowSlopeNominal(int event, TEvParRec& rec);
bool RowSlopeLimit(int event, TEvParRec& rec);
bool RowZeroMonitoring(int event, TEvParRec& rec);
bool RowZeroNominal(int event, TEvParRec& rec);
bool RowZeroLimit(int event, TEvParRec& rec);
bool RowRefMonitoring(int event, TEvParRec& rec);
bool RowRefNominal(int event, TEvParRec& rec);
bool RowRefLimit(int event, TEvParRec& rec);
bool RowGlassMonitoring(int event, TEvParRec& rec);
bool RowGlassNominal(int event, TEvParRec& rec);
bool RowGlassLimit(int event, TEvParRec& rec);
bool RowResponseMonitoring(int event, TEvParRec& rec);
bool RowResponseMax(int event, TEvParRec& rec);
bool RowCalcheckMonitoring(int event, TEvParRec& rec);
bool RowCalcheckMax(int event, TEvParRec& rec);
bool RowMode(int event, TEvParRec& rec);
bool RowTempMonitoring(int event, TEvParRec& rec);
bool RowTempLimit(int event, TEvParRec& rec);
bool RowTtmMonitoring(int event, TEvParRec& rec);
bool RowTtmEntry(int event, TEvParRec& rec);
bool RowDliMonitoring(int event, TEvParRec& rec);
bool RowLeakageMonitoring(int event, TEvParRec& rec);
bool RowLeakageMax(int event, TEvParRec& rec);
bool RowWearMonitoring(int event, TEvParRec& rec);
bool RowWearQuality(int event, TEvParRec& rec);
bool RowOperatingTimeMax(int event, TEvParRec& rec);
bool RowCipMax(int event, TEvParRec& rec);
bool RowSipMax(int event, TEvParRec& rec);
bool RowAutoclavingMax(int event, TEvParRec& rec);
bool RowMembraneMax(int event, TEvParRec& rec);

// ---- calibration presets, cal timer, tolerance band
bool RowBufferHeading(int event, TEvParRec& rec);
bool RowDriftControl(int event, TEvParRec& rec);
bool RowCalTimerMonitoring(int event, TEvParRec& rec);
bool RowCalTimerValue(int event, TEvParRec& rec);
bool RowAdaptiveCalTimer(int event, TEvParRec& rec);
bool RowToleranceHeading(int event, TEvParRec& rec);

// ---- pressure, TC, ORP / rH, delta
bool RowProcessPressure(int event, TEvParRec& rec);
bool RowTempFactor(int event, TEvParRec& rec);
bool RowTcTable(int event, TEvParRec& rec);
bool RowOrpToShe(int event, TEvParRec& rec);
bool RowRhFactor(int event, TEvParRec& rec);
bool RowDeltaValuePh(int event, TEvParRec& rec);
bool RowDeltaValueCo2(int event, TEvParRec& rec);

// ---- rows of the digital pH sensors that follow this family's rules
// Quellix Ref el / Glass el of a digital sensor: the Monitoring row, and the nominal and limit rows
// (editable while Individual); a commit of any of them writes the sensor defaults unless Individual.
bool RowDigitalRefMonitoring(int event, TEvParRec& rec);
bool RowDigitalRefValue(int event, TEvParRec& rec);
bool RowDigitalGlassMonitoring(int event, TEvParRec& rec);
bool RowDigitalGlassValue(int event, TEvParRec& rec);
// ISFET working point: Auto writes nominal 0 and limits -500..500 mV; the values are editable while
// Individual.
bool RowIsfetPointMonitoring(int event, TEvParRec& rec);
bool RowIsfetPointValue(int event, TEvParRec& rec);

// Gives the slot of CurrentParam the sensor type `code` in both sets, as choosing it does: the type, then
// what the sensor-type rule writes for it (nominal zero and slope, sensor monitoring, recomputed limits).
void StartWithSensorType(int code);

}  // namespace tessalin::ph
