#pragma once
// Device texts of the conductivity family (2- and 4-electrode sensors): menu titles, row labels with their
// choice lists and the names of the sensor models. Texts shared with other families are in
// common_texts.h and conductivity_texts.h.

#include <string_view>

#include "core/catalogue/tables.h"

namespace tessalin::cond {

// ---- menu titles (the cell constant also labels the calibrated value; USP function also its row)
extern const TextRecord kTxtCellConstant, kTxtUspFunction;

// ---- rows
extern const TextRecord kTxtSensorType, kTxtNomCellConstant, kTxtTempProbe, kTxtTempComp, kTxtImpurity,
    kTxtReducedLimit, kTxtUspMonitoring, kTxtMonitoringOffOn;

// ---- sensor names: the two generic entries are worded per language, the models read the same in all
extern const TextRecord kTxtOther2El, kTxtOther4El;
// The model name of sensor codes 1..5 and 8..22; empty for any other code.
std::string_view SensorModelName(int code);

}  // namespace tessalin::cond
