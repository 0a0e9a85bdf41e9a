#pragma once
// Device texts that the conductivity and the electrodeless conductivity families share: calibration
// presets, temperature compensation, concentration and the limit-message titles of the conductivity
// values. Seven languages each, in the order de, en, fr, it, sv, es, pt.

#include "core/catalogue/tables.h"

namespace tessalin::conductivity {

// ---- menu titles
extern const TextRecord kTxtMsgConductivity, kTxtMsgResistivity, kTxtMsgSalinity;

// ---- calibration presets: the two lines of the page heading and the rows
extern const TextRecord kTxtCalPresetsLine1, kTxtCalPresetsLine2, kTxtCalSolutionV6, kTxtCalSolutionV7,
    kTxtSampleCal;

// ---- temperature compensation: the two lines of the page heading and the rows
extern const TextRecord kTxtTcLine1, kTxtTcLine2, kTxtReferenceTemp, kTxtTcOfSolution;

// ---- concentration (the title of the menu item and the On/Off row) and the two medium lists
extern const TextRecord kTxtConcentration, kTxtMedium, kTxtMediumWithOleum;

}  // namespace tessalin::conductivity
