#pragma once
// Reading and writing values of the module whose rules run (CurrentParam), in the active parameter set:
// a byte or a float as it stands, and values that a rule fills in. Dependent values are written into
// both parameter sets, as the rows that show them are; a row without the both-sets flag gets its value
// in the active set only. Shared by the families' handlers.

#include <initializer_list>

#include "core/catalogue/codec.h"
#include "core/catalogue/rules.h"
#include "core/catalogue/tables.h"
#include "core/common/sections.h"
#include "core/workspace.h"

namespace tessalin {

// The choice of a monitoring list ("Monitoring", "Electrolyte specs", ...) under which the user gives
// the limits; under the others the module fills them in.
inline constexpr int kMonitoringIndividual = 3;

// The module type of the component whose rules run.
inline int Module() { return Ws().CurrentParam.moduleType; }

inline int Byte(Location at) { return ParamByte(at); }
inline double Float(Location at) { return ReadEncoded(ParamOffsetHere(at), Encoding::Float); }

inline void PutByte(Location at, int value) { SetDefault(at, kPfUInt8, value, true); }
inline void PutU16(Location at, int value) { SetDefault(at, kPfUInt16, value, true); }
inline void PutFloat(Location at, double value) { SetDefault(at, 0, value, true); }
// A float of a row without the both-sets flag: the active set only.
inline void PutFloatActiveSet(Location at, double value) { SetDefault(at, 0, value); }

inline bool In(int value, std::initializer_list<int> values) {
    for (int v : values)
        if (v == value) return true;
    return false;
}

// Whether a monitoring list stands at Individual.
inline bool Individual(Location monitoring) { return Byte(monitoring) == kMonitoringIndividual; }

}  // namespace tessalin
