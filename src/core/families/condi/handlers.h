#pragma once
// Handlers of the electrodeless conductivity family. Rules shared with the conductivity family are in
// conductivity_pages.h; every event a handler does not answer goes to the default handler.

#include "core/catalogue/tables.h"

namespace tessalin::condi {

// ---- calibration data: every commit stamps the calibration; the zero is shown and typed in µS/cm and
// stored divided by the cell factor
bool RowCalStamp(int event, TEvParRec& rec);
bool RowZero(int event, TEvParRec& rec);

// ---- sensor data: the sensor type of the maker's brands (0, 2), of the OEM brand (1) and of the sensor
// input; the user's coding fields for "Others" and the read-only fields of a named sensor
bool RowSensorTypeMaker(int event, TEvParRec& rec);
bool RowSensorTypeOem(int event, TEvParRec& rec);
bool RowSensorTypeInput(int event, TEvParRec& rec);
bool RowOthersValue(int event, TEvParRec& rec);
bool RowNamedSensorValue(int event, TEvParRec& rec);
bool RowTick(int event, TEvParRec& rec);  // modules 183 and 193

// Gives the slot of CurrentParam the named sensor `code` in both sets, as choosing it does: the sensor
// code, its coding, nominal cell factor, transfer ratio and probe, then the decoded coding bytes.
void StartWithSensor(int code);

// ---- digital sensors: cell-factor monitoring and the operating time
bool RowCellFactorMonitoring(int event, TEvParRec& rec);
bool RowCellFactorNominal(int event, TEvParRec& rec);
bool RowOperatingTimeMonitoring(int event, TEvParRec& rec);

}  // namespace tessalin::condi
