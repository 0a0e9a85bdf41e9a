#pragma once
// The controller module (module type 9): the choice of control algorithm, an analog controller with the
// current outputs IV1/IV2, a digital controller with the pulse outputs KV1/KV2 and the limit contacts K9
// and K10. All its values lie in PID-SET of its slot, once per parameter set.

#include <cstdint>
#include <span>

#include "core/catalogue/tables.h"

namespace tessalin {

// The menu of the controller module; entry kMenuPIDEnd is the end entry (level -1).
extern const TMenuEntry MenuPID[];
inline constexpr int32_t kMenuPIDEnd = 5;

// Parameter table Pn (n = 1..5) of the controller module; throws RangeError for any other n.
std::span<const TParamEntry> PidParamTable(int n);

// Factory defaults of the section PID-SET (145 bytes).
std::span<const uint8_t> PidSetDefaultRecord();

}  // namespace tessalin
