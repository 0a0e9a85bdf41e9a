#pragma once
// Device texts of the base unit: menu titles, the rows of its contacts and control inputs, and the note of
// the inputs page. The rows of its current outputs use the texts every current output shares
// (output_pages.h). Seven languages each, in the order de, en, fr, it, sv, es, pt.

#include "core/catalogue/tables.h"

namespace tessalin::base {

// ---- menu titles
extern const TextRecord kTxtOutputI1, kTxtOutputI2, kTxtContactK4, kTxtContactK3, kTxtContactK2, kTxtContactK1,
    kTxtInputs;

// ---- contacts K1..K4
extern const TextRecord kTxtUsage, kTxtSelectModule, kTxtRinseInterval, kTxtRinsingLeadTime, kTxtRinseTime,
    kTxtMeasurementLeadTime, kTxtContactType, kTxtLogbookEntry;

// ---- inputs OK1, OK2: the two lines of the note, then the rows
extern const TextRecord kTxtInputsNote1, kTxtInputsNote2, kTxtOk1Usage, kTxtInputOk1, kTxtInputOk2;

}  // namespace tessalin::base
