#pragma once
// The oxygen family: amperometric oxygen modules (7, 10, 11, 20, 21, 26) and oxygen sensors behind the
// I-module and on sensor inputs (151, 152, 181, 191). One menu, `MenuOxy`, serves all of them; the
// handlers tell the module types apart. The parameter tables O1..O38 are shared with the digital and
// optical oxygen sensors; the default records of OXY-SET and OXY-FIX are what a factory-fresh slot holds.

#include <cstdint>
#include <span>

#include "core/catalogue/tables.h"

namespace tessalin {

// The menu of the family; entry kMenuOxyEnd is the end entry (level -1).
extern const TMenuEntry MenuOxy[];
inline constexpr int32_t kMenuOxyEnd = 39;

// Parameter table On (n = 1..38) of the family; throws RangeError for any other n.
std::span<const TParamEntry> OxyParamTable(int n);

// Factory defaults of the sections OXY-SET (292 bytes) and OXY-FIX (204 bytes).
std::span<const uint8_t> OxySetDefaultRecord();
std::span<const uint8_t> OxyFixDefaultRecord();

}  // namespace tessalin
