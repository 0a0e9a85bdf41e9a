#pragma once
// Device texts of the electrodeless conductivity family: menu titles, row labels with their choice lists
// and the sensor lists with the names of the sensor models. Texts shared with other families are in
// common_texts.h and conductivity_texts.h.

#include "core/catalogue/tables.h"

namespace tessalin::condi {

// ---- menu titles (the cell factor also labels the calibrated value)
extern const TextRecord kTxtCellFactor;

// ---- sensor data: the sensor lists of the maker's brands, of the OEM brand and of the sensor input
extern const TextRecord kTxtSensorTypeMaker, kTxtSensorTypeOem, kTxtSensorTypeInput;
extern const TextRecord kTxtSensorCoding, kTxtNomCellFactor, kTxtTransferRatio, kTxtCirvano, kTxtInterval;

// ---- temperature detection and compensation
extern const TextRecord kTxtTempProbe, kTxtTick, kTxtTempComp;

}  // namespace tessalin::condi
