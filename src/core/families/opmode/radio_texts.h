#pragma once
// Device texts of the I-module's pages. Seven languages each.

#include "core/catalogue/tables.h"

namespace tessalin::radio {

// ---- menu titles
extern const TextRecord kTxtOperatingMode, kTxtZigBeeConfiguration;
// ---- row labels and choice lists
extern const TextRecord kTxtModeBefore8, kTxtMode80, kTxtMode82, kTxtMode9, kTxtVariable1, kTxtVariable2,
    kTxtTelvoFor;
// ---- headings
extern const TextRecord kTxtModeHeading, kTxtZigBeeHeading, kTxtZigBeeNote, kTxtApplyHeading;

}  // namespace tessalin::radio
