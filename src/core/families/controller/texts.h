#pragma once
// Device texts of the controller module: menu titles and the rows of the controller pages. The limit
// contacts K9 and K10 use the texts every limit contact shares (output_pages.h). Seven languages each, in
// the order de, en, fr, it, sv, es, pt.

#include "core/catalogue/tables.h"

namespace tessalin::pid {

// ---- menu titles
extern const TextRecord kTxtController, kTxtAnalogController, kTxtDigitalController;

// ---- rows
extern const TextRecord kTxtAlgorithm, kTxtAnalogType, kTxtDigitalType, kTxtControlVariable, kTxtSetpoint,
    kTxtNeutralZone, kTxtGain, kTxtBeginControl, kTxtLowCornerX, kTxtLowCornerY, kTxtEndControl, kTxtHighCornerX,
    kTxtHighCornerY, kTxtResetTime, kTxtDerivativeTime, kTxtFeedTimeAlarm, kTxtHoldBehaviour, kTxtOutputIV,
    kTxtLoadMonitoring, kTxtPulsePeriod, kTxtMaxPulseFrequency;

}  // namespace tessalin::pid
