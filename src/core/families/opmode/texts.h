#pragma once
// Device texts of the operating-mode pages (digital-sensor carriers and the I-module): titles, row labels
// with their choice lists and the texts the handlers put together. Seven languages each.

#include "core/catalogue/tables.h"

namespace tessalin::opmode {

extern const TextRecord kTxtModeOld, kTxtModeNew, kTxtVariableOld, kTxtVariableNew, kTxtModeOptical, kTxtSensorTypeOptical;
extern const TextRecord kTxtHeading1, kTxtHeading2, kTxtApply;

}  // namespace tessalin::opmode
