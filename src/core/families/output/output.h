#pragma once
// The output module (module type 8): current outputs I3 and I4 and the limit contacts K5 to K8. All its
// values lie in OUT-SET of its slot, once per parameter set.

#include <cstdint>
#include <span>

#include "core/catalogue/tables.h"

namespace tessalin {

// The menu of the output module; entry kMenuOutEnd is the end entry (level -1).
extern const TMenuEntry MenuOut[];
inline constexpr int32_t kMenuOutEnd = 10;

// Parameter table Pn (n = 1..10) of the output module; throws RangeError for any other n.
std::span<const TParamEntry> OutParamTable(int n);

// Factory defaults of the section OUT-SET (312 bytes).
std::span<const uint8_t> OutSetDefaultRecord();

}  // namespace tessalin
