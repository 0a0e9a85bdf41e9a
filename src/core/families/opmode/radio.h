#pragma once
// The I-module (types 24 and 28): its operating-mode pages decide which sensors its two channels serve,
// and its REFRESH buttons apply the choice to the two channel slots. Its pages hold values of the front
// unit's BUF-FIX section only.

#include <cstdint>

#include "core/catalogue/tables.h"

namespace tessalin {

extern const TMenuEntry MenuRadio[];
inline constexpr int32_t kMenuRadioEnd = 4;

}  // namespace tessalin
