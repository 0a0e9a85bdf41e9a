#pragma once
// Handlers of the digital ORP sensor: the monitored values are editable while their Monitoring is
// Individual, and any other Monitoring writes the sensor's defaults into both parameter sets.

#include "core/catalogue/tables.h"

namespace tessalin::digorp {

bool RowOffsetMonitoring(int event, TEvParRec& rec);
bool RowOffsetValue(int event, TEvParRec& rec);
bool RowTempMonitoring(int event, TEvParRec& rec);
bool RowTempLimit(int event, TEvParRec& rec);
bool RowOperatingTimeMonitoring(int event, TEvParRec& rec);
bool RowOperatingTimeMax(int event, TEvParRec& rec);
bool RowCalTimerMonitoring(int event, TEvParRec& rec);
bool RowCalTimerValue(int event, TEvParRec& rec);
bool RowDeltaValue(int event, TEvParRec& rec);  // shown while the delta function is mVORP

}  // namespace tessalin::digorp
