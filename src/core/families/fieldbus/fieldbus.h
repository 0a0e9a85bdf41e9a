#pragma once
// The fieldbus modules: PROFIBUS-PA (module type 14) and Foundation Fieldbus (module type 23). Both map
// measured values of the device onto the analog-input blocks of the bus; their values lie in COM-SET and
// COM-FIX of their slot. Older PA modules (and every PA module before software 7) offer six analog inputs
// chosen among all variables of the device; newer ones, like the Foundation Fieldbus module, offer eight
// in two groups of four, each group fed by one measuring module.

#include <cstdint>
#include <span>

#include "core/catalogue/tables.h"

namespace tessalin {

// The menus of the two modules; the entries kMenuPAEnd and kMenuFFEnd are their end entries (level -1).
extern const TMenuEntry MenuPA[];
inline constexpr int32_t kMenuPAEnd = 4;
extern const TMenuEntry MenuFF[];
inline constexpr int32_t kMenuFFEnd = 3;

// Parameter table Pn (n = 1..4) of the fieldbus modules; throws RangeError for any other n.
std::span<const TParamEntry> FieldbusParamTable(int n);

// Factory defaults of the sections COM-SET (16 bytes) and COM-FIX (13 bytes).
std::span<const uint8_t> ComSetDefaultRecord();
std::span<const uint8_t> ComFixDefaultRecord();

}  // namespace tessalin
