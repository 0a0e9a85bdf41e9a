#pragma once
// Device texts of the digital ORP sensor beyond the pH family's. Seven languages each.

#include "core/catalogue/tables.h"

namespace tessalin::digorp {

extern const TextRecord kTxtOrpOffset, kTxtDeltaFunction;

}  // namespace tessalin::digorp
