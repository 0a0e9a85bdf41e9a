#pragma once
// Operations that handlers use to change the image beyond the committed value: writing defaults,
// stamping the device time, and asking for a rebuild of the device tree.
//
// Locations are resolved with the slot of CurrentParam and ActiveParamSet.

#include <cstdint>

#include "core/catalogue/tables.h"
#include "core/common/sections.h"

namespace tessalin {

// Writes `value` (already in stored units) at a location of the current module in the encoding named by
// the flag bits (kPfInt8 .. kPfUInt32; none = 32-bit float), stored as WriteEncoded stores it; with
// bothSets at the set-A place and 0x2000 above, whatever the active set. A location without a place in
// the image (offset 0) is not written.
void SetDefault(const Location& location, uint32_t encoding, double value, bool bothSets = false);

// Writes a value in base units at the entry's location, as the entry stores it: its integer encoding and
// decimal scale, both sets when the entry has the both-sets flag.
void SetDefault(const TParamEntry& entry, double value);

// Writes the device time stamp (seconds since 1 January 2000, local time) at a location of the current
// module as 32-bit unsigned; with bothSets at the set-A place and 0x2000 above.
void StampNow(const Location& location, bool bothSets = false);

// The stamp of a calibration: the module's calibration state byte and the device time stamp, both
// written for both sets as a commit of calibration data writes them.
// Nothing while the stamps are held (below).
void StampCalibration(const Location& state, uint8_t stateValue, const Location& time);

// Holds back the calibration stamps while it lives: a repair of calibration data must not make the card
// look freshly calibrated. Holds nest.
class CalibrationStampHold {
public:
    CalibrationStampHold();
    ~CalibrationStampHold();
    CalibrationStampHold(const CalibrationStampHold&) = delete;
    CalibrationStampHold& operator=(const CalibrationStampHold&) = delete;

private:
    bool previous_;
};
bool CalibrationStampsHeld();

// Asks the action timer to rebuild the device tree once the current event is over.
void RequestTreeRebuild();

}  // namespace tessalin
