// Rules of the controller module's pages.

#include "core/families/controller/handlers.h"

#include "core/catalogue/codec.h"
#include "core/catalogue/value_rules.h"
#include "core/device/predicates.h"

namespace tessalin::pid {

namespace {

constexpr int kStraightWayValves = 2;  // analog controller type

int Byte(uint16_t offset) { return ParamByte(At(Section::PID_SET, offset)); }

bool LoadMonitoringShown() { return Byte(kAnalogType) == kStraightWayValves && SwFrom7(); }

}  // namespace

bool ControllerOn(uint16_t typeAt) { return Byte(typeAt) != 0; }

bool AlgorithmRowsShown(uint16_t typeAt, int algorithm) {
    if (!ControllerOn(typeAt)) return false;
    return !SwFrom74() || Byte(kAlgorithm) == algorithm;
}

bool RowLoadMonitoring(int event, TEvParRec& rec) { return rules::Shown(event, rec, LoadMonitoringShown()); }

}  // namespace tessalin::pid
