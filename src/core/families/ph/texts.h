#pragma once
// Device texts of the pH family: menu titles, row labels with their choice lists, and the texts that
// the handlers put together (headings, buffer-set descriptions). Seven languages each, in the order
// de, en, fr, it, sv, es, pt.

#include <array>

#include "core/catalogue/tables.h"

namespace tessalin::ph {

// Texts that other families use as well live in common_texts.h.

// ---- menu titles
extern const TextRecord kTxtRefEl, kTxtGlassEl, kTxtCalcheck, kTxtIsfetLeakage, kTxtCalToleranceBand, kTxtOrpCheck,
    kTxtOrpRh, kTxtDeltaFunction, kTxtMsgPh, kTxtMsgOrp, kTxtMsgRh, kTxtMsgSaturation, kTxtMsgMv;

// ---- row labels and choice lists
extern const TextRecord kTxtIsothermPotential, kTxtIsothermalPoint, kTxtIsfetZero;
extern const TextRecord kTxtSensorType, kTxtSensorMonitoring, kTxtElectrolyteSpecs, kTxtElectrolyteConc,
    kTxtElectrolyteSalinity;
extern const TextRecord kTxtTempProbe, kTxtTempProbeB;
extern const TextRecord kTxtMeasDistanceMax;
extern const TextRecord kTxtTarimexBuffer, kTxtDriftControl, kTxtProductCalibration;
extern const TextRecord kTxtAdaptiveCalTimer;
extern const TextRecord kTxtToleranceHeading1, kTxtToleranceHeading2, kTxtToleranceCheck, kTxtToleranceZero,
    kTxtToleranceSlope;
extern const TextRecord kTxtTestingPeriod, kTxtTestDifference;
extern const TextRecord kTxtPressureUnit, kTxtProcessPressure;
extern const TextRecord kTxtTc, kTxtTemperatureFactor;
extern const std::array<TextRecord, 20> kTxtTcTable;  // "TC at 00 °C:" .. "TC at 95 °C:"
extern const TextRecord kTxtRefElType, kTxtOrpToShe, kTxtRhWithFactor, kTxtFactor;
extern const TextRecord kTxtDeltaFunctionPh, kTxtDeltaFunctionCo2, kTxtDeltaValue;

// ---- texts put together by handlers
// Description of buffer sets 1..15 (index = set code - 1), and the word that precedes the values of the
// user table (set 33).
extern const std::array<TextRecord, 15> kTxtBufferSets;
extern const TextRecord kTxtBufferTable;

}  // namespace tessalin::ph
