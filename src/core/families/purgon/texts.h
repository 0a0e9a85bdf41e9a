#pragma once
// Device texts of the Purgon controller's program editor: menu titles, program and day names, the rows
// of the program pages and their sub-pages, and the pieces the handlers put together. Seven languages
// each, in the order de, en, fr, it, sv, es, pt.

#include "core/catalogue/tables.h"

namespace tessalin::purgon {

// ---- menu titles
extern const TextRecord kTxtProbe, kTxtProbeControl, kTxtProbeVorlix, kTxtCalPresets, kTxtFixedInterval,
    kTxtWeekProgram, kTxtProgramFlow, kTxtInstallation, kTxtDcs, kTxtAccess, kTxtRinseWater, kTxtMediaAdapter,
    kTxtAdditionalMedia, kTxtTimeManagement;
// Day names by the block's day number: 0 Saturday, 1 Sunday, 2 Monday ... 6 Friday.
extern const TextRecord kTxtDay[7];
// Table titles of the programs 1..10 (index k - 1).
extern const TextRecord kTxtProgram[10];
// Program names of the time line and the second controller type.
extern const TextRecord kTxtRinse, kTxtClean, kTxtParking, kTxtMeasure, kTxtCal2Point, kTxtCal1Point;

// ---- program-name lists (in the list field) and their prefixes
extern const TextRecord kTxtProgramsType3Continuous, kTxtProgramsType3Short, kTxtProgramsContinuous,
    kTxtProgramsShort, kTxtEndPrefix, kTxtOffPrefix;

// ---- step functions; the On/Off suffixes
extern const TextRecord kTxtProgramEnd, kTxtProbeInService, kTxtProbeInMeasure, kTxtRinseWaterStep,
    kTxtMeasDuration, kTxtWaitDuration, kTxtWaitPosition, kTxtGotoLine, kTxtCalBuffer1Step, kTxtCalBuffer2Step,
    kTxtOrpCheck, kTxtEmptyStep, kTxtSuffixOn, kTxtSuffixOff;

// ---- rows
extern const TextRecord kTxtTimeProgram, kTxtTimeInterval, kTxtCopyTo, kTxtUserProgramName, kTxtStep,
    kTxtPointProgram, kTxtPointButton;
// Switching-point editor
extern const TextRecord kTxtPointMode, kTxtTimeOfStart, kTxtStart, kTxtEnd, kTxtIntervalTime;
// Step editor
extern const TextRecord kTxtFunction, kTxtRunTime, kTxtExposureTime, kTxtGotoLineRow, kTxtRepeatCycles,
    kTxtStepMonitoring;
// Button captions and hints
extern const TextRecord kTxtEdit, kTxtInsert, kTxtDelete, kTxtCopy;

}  // namespace tessalin::purgon
