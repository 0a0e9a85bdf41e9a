// Rules of the controller module's pages.

#include "core/catalogue/par_pid_handlers.h"

#include "core/catalogue/codec.h"
#include "core/device/predicates.h"

namespace tessalin::pid {

namespace {

constexpr int kStraightWayValves = 2;  // analog controller type
constexpr int kPulseLength = 1;        // digital controller types
constexpr int kPulseFrequency = 2;

int Byte(uint16_t offset) { return ParamByte(At(Section::PID_SET, offset)); }

bool LoadMonitoringShown() { return Byte(kAnalogType) == kStraightWayValves && SwFrom7(); }
bool DigitalTypeIs(int type) { return Byte(kDigitalType) == type; }

}  // namespace

bool ControllerOn(uint16_t typeAt) { return Byte(typeAt) != 0; }

bool AlgorithmRowsShown(uint16_t typeAt, int algorithm) {
    if (!ControllerOn(typeAt)) return false;
    return !SwFrom74() || Byte(kAlgorithm) == algorithm;
}

bool RowLoadMonitoring(int event, TEvParRec& rec) { return AnswerShown(event, rec, LoadMonitoringShown()); }
bool RowPulsePeriod(int event, TEvParRec& rec) { return AnswerShown(event, rec, DigitalTypeIs(kPulseLength)); }
bool RowMaxPulseFrequency(int event, TEvParRec& rec) {
    return AnswerShown(event, rec, DigitalTypeIs(kPulseFrequency));
}

}  // namespace tessalin::pid
