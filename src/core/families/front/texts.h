#pragma once
// Device texts of the front unit: menu titles, row labels with their choice lists, and the pieces the
// handlers put together (buffer titles, chart labels, the function control matrix). Seven languages
// each, in the order de, en, fr, it, sv, es, pt.

#include <array>

#include "core/catalogue/tables.h"

namespace tessalin::front {

// ---- menu titles (a title that is also a row label carries the row's list)
extern const TextRecord kTxtLanguage, kTxtDisplay, kTxtRecorder, kTxtChannel1, kTxtChannel2, kTxtKiRecorder,
    kTxtSystemControl, kTxtMemoryCard, kTxtParamSets, kTxtCalcBlocks, kTxtFunctionMatrix, kTxtTimeDate,
    kTxtMeasPointDescription, kTxtLogbook, kTxtBufferTable, kTxtBuffer, kTxtConcentrationChart, kTxtAuditTrail;

// ---- measurement display
extern const TextRecord kTxtMainDisplay, kTxtMainValue1, kTxtMainValue2, kTxtDisplayFormat, kTxtViewingAngle;

// ---- recorders
extern const TextRecord kTxtTimeBase, kTxtSlowMotion, kTxtShowMinMax, kTxtVariable, kTxtStart, kTxtEnd;
extern const TextRecord kTxtRecordingInterval, kTxtMaxProcessDuration, kTxtNewRecord, kTxtKiMonitoring,
    kTxtDeviation;

// ---- system control
extern const TextRecord kTxtRecordLogbook, kTxtRecordRecorder, kTxtDecimalSeparator, kTxtCardFull;
extern const TextRecord kTxtSwitchoverSee, kTxtSwitchoverMatrix;  // the two lines of the parameter-set note
extern const TextRecord kTxtBlock1, kTxtBlock2, kTxtBlockOff;
extern const TextRecord kTxtFunction;  // the name of the matrix row
extern const std::array<TextRecord, 4> kTxtMatrixRows;
extern const std::array<TextRecord, 3> kTxtMatrixColumns;  // ParSet, KI-Rec, Fav (the fourth is the controller)
extern const TextRecord kTxtDateFormat, kTxtMeasPoint, kTxtNote, kTxtLogFailure, kTxtLogWarning;
extern const TextRecord kTxtNominalBufferValue, kTxtPhValueAt;
extern const TextRecord kTxtChartTemperature, kTxtChartConcentration, kTxtConductivityAt;
extern const TextRecord kTxtAutoComplete, kTxtDiagAccess, kTxtRecordAuditTrail, kTxtCodingLog;

}  // namespace tessalin::front
