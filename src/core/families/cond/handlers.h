#pragma once
// Handlers of the conductivity family. Rules shared with the electrodeless family are in
// conductivity_pages.h; every event a handler does not answer goes to the default handler.

#include "core/catalogue/tables.h"

namespace tessalin::cond {

// ---- menu items
bool MenuSensorDataModule(int event, TEvParRec& rec);  // module 5, 182, 192
bool MenuSensorDataSensor(int event, TEvParRec& rec);  // module 154

// ---- calibration data: every commit stamps the calibration
bool RowCalStamp(int event, TEvParRec& rec);

// ---- sensor data: the sensor type of the maker's brands (0, 2) and of the OEM brand (1); the values a
// named sensor fills in are editable only for the two generic sensors
bool RowSensorTypeMaker(int event, TEvParRec& rec);
bool RowSensorTypeOem(int event, TEvParRec& rec);
bool RowOtherSensorValue(int event, TEvParRec& rec);

// ---- cell-constant monitoring of the sensors with monitoring details
bool RowCellConstantMonitoring(int event, TEvParRec& rec);
bool RowCellConstantNominal(int event, TEvParRec& rec);

}  // namespace tessalin::cond
