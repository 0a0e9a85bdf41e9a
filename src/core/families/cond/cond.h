#pragma once
// The conductivity family for 2- and 4-electrode sensors: the conductivity module (5), conductivity
// sensors behind the I-module and on sensor inputs (154, 182, 192) share `MenuCond`; the digital
// conductivity sensors (162, 172) have `MenuDigCond`. Their values live in COND-SET and COND-FIX.

#include <cstdint>
#include <span>

#include "core/catalogue/tables.h"

namespace tessalin {

// The menus of the family; the entry at the End index is the end entry (level -1).
extern const TMenuEntry MenuCond[];
inline constexpr int32_t kMenuCondEnd = 17;
extern const TMenuEntry MenuDigCond[];
inline constexpr int32_t kMenuDigCondEnd = 19;

// Every parameter table of the family (C1..C15, G1..G5, then the operating-mode page).
std::span<const std::span<const TParamEntry>> CondParamTables();

// Factory defaults of the sections COND-SET (132 bytes) and COND-FIX (197 bytes).
std::span<const uint8_t> CondSetDefaultRecord();
std::span<const uint8_t> CondFixDefaultRecord();

}  // namespace tessalin
