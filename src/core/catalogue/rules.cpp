#include "core/catalogue/rules.h"

#include "core/catalogue/codec.h"
#include "core/catalogue/formatters.h"
#include "core/workspace.h"

namespace tessalin {

void SetDefault(const Location& location, uint32_t encoding, double value, bool bothSets) {
    WriteEncodedAt(location, EncodingOf(encoding), value, bothSets);
}

void SetDefault(const TParamEntry& entry, double value) {
    if (EncodingOf(entry.flags) != Encoding::Float) value = static_cast<float>(value * ScaleFactor(entry));
    SetDefault(entry.location, entry.flags, value, (entry.flags & kPfBothSets) != 0);
}

void StampNow(const Location& location, bool bothSets) {
    SetDefault(location, kPfUInt32, static_cast<double>(static_cast<uint32_t>(DeviceSecondsNow())), bothSets);
}

void StampCalibration(const Location& state, uint8_t stateValue, const Location& time) {
    if (CalibrationStampsHeld()) return;
    SetDefault(state, kPfUInt8, stateValue, true);
    StampNow(time, true);
}

CalibrationStampHold::CalibrationStampHold() : previous_(Ws().CalibrationStampsHeld) { Ws().CalibrationStampsHeld = true; }
CalibrationStampHold::~CalibrationStampHold() { Ws().CalibrationStampsHeld = previous_; }
bool CalibrationStampsHeld() { return Ws().CalibrationStampsHeld; }

void RequestTreeRebuild() { Ws().TreeRebuildRequest = true; }

}  // namespace tessalin
