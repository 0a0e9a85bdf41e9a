#pragma once
// Device texts of the calculation blocks: menu titles, the difference rows and the selections of the
// conductivity block. The messages pages share their rows and several titles with the measuring
// families. Seven languages each, in the order de, en, fr, it, sv, es, pt.

#include "core/catalogue/tables.h"

namespace tessalin::calc {

// ---- menu titles
extern const TextRecord kTxtDifference, kTxtCalcCond, kTxtCalcOxy, kTxtCalcCo2;
extern const TextRecord kTxtMsgRatio, kTxtMsgPassage, kTxtMsgRejection, kTxtMsgDeviation;
extern const TextRecord kTxtMsgSaturationAir, kTxtMsgSaturationO2, kTxtMsgGramsPerLitre, kTxtMsgPpm, kTxtMsgVolume;
extern const TextRecord kTxtMsgPercent, kTxtMsgMgPerLitre, kTxtMsgHpa;

// ---- difference rows (their lists come from the handler) and the off item that heads those lists
extern const TextRecord kTxtDiffPh, kTxtDiffOrp, kTxtDiffTemp, kTxtDiffConductivity, kTxtDiffResistivity,
    kTxtDiffAir, kTxtDiffO2, kTxtDiffGramsPerLitre, kTxtDiffPpm, kTxtDiffVolume, kTxtDiffPercent,
    kTxtDiffMgPerLitre, kTxtDiffHpa;
extern const TextRecord kTxtOff;

// ---- conductivity block
extern const TextRecord kTxtRatio, kTxtPassage, kTxtRejection, kTxtDeviation, kTxtPhValue, kTxtFactorA, kTxtFactorB;

}  // namespace tessalin::calc
