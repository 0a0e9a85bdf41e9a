#pragma once
// Device texts of the Purgon controller's settings pages: the controller entry, the calibration presets,
// the control-system inputs and outputs, and the installation pages. Seven languages each, in the order
// de, en, fr, it, sv, es, pt.

#include "core/catalogue/tables.h"

namespace tessalin::purgon {

// ---- controller entry and calibration presets
extern const TextRecord kTxtControl, kTxtControlOff, kTxtTimeControl, kTxtMeasuringModule, kTxtLotBuffer1,
    kTxtLotBuffer2, kTxtCalMode, kTxtCalModeV5, kTxtCalTimerProgram, kTxtTtmProgram;
// ---- installation
extern const TextRecord kTxtProcedure, kTxtSensorDetection, kTxtImmersionLock;
// ---- control system
extern const TextRecord kTxtDcsControl, kTxtDcsInputs, kTxtDcsInputMs, kTxtDcsInputAm, kTxtDcsOutput34,
    kTxtDcsOutputs;
// ---- access to manual control
extern const TextRecord kTxtAccessHeading, kTxtAccessCode;
// ---- probe; the probe-type lists (list field only)
extern const TextRecord kTxtProbeType, kTxtMoveTime, kTxtSealingWater, kTxtSensorSafety, kTxtCavityRinsing,
    kTxtCavityInterval, kTxtRinseTime, kTxtWearMax, kTxtCheckInterval, kTxtCheckTravels, kTxtMaintenanceInterval,
    kTxtMaintenanceTravels;
extern const TextRecord kTxtProbeTypesBefore7, kTxtProbeTypesFrom7, kTxtProbeTypesControl3, kTxtProbeTypesBrand1;
// ---- rinse water, media adapters, additional media
extern const TextRecord kTxtMonitoring, kTxtSetpoint, kTxtDeviation, kTxtMedium, kTxtDisplacedVolume,
    kTxtResidualVolume, kTxtMeteringPump;
extern const TextRecord kTxtPort[3];
extern const TextRecord kTxtAddMedium[2];

}  // namespace tessalin::purgon
