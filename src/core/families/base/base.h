#pragma once
// The base unit (module types 1, 15, 16, 50): current outputs I1 and I2, contacts K1 to K4 and the control
// inputs OK1 and OK2. It has no section of its own; its values lie in the front unit's sections SYS-SET
// and SYS-FIX.

#include <cstdint>
#include <span>

#include "core/catalogue/tables.h"

namespace tessalin {

// The menu of the base unit; entry kMenuBaseEnd is the end entry (level -1).
extern const TMenuEntry MenuBase[];
inline constexpr int32_t kMenuBaseEnd = 11;

// Parameter table Pn (n = 1..11) of the base unit; throws RangeError for any other n.
std::span<const TParamEntry> BaseParamTable(int n);

// The base unit's share of the factory defaults of SYS-SET (529 bytes) and SYS-FIX (170 bytes): the bytes
// its rows name hold their factory values, every other byte is 0. The front unit's rows fill the rest of
// the same sections.
std::span<const uint8_t> BaseSysSetDefaults();
std::span<const uint8_t> BaseSysFixDefaults();

}  // namespace tessalin
