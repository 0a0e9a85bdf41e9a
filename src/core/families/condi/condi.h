#pragma once
// The electrodeless (inductive) conductivity family: the electrodeless module (6) has `MenuCondI`, the
// digital electrodeless sensor (173) `MenuDigCondI`, electrodeless sensors on sensor inputs (183, 193)
// `MenuSensorCondI`. Their values live in CONDI-SET and CONDI-FIX.

#include <cstdint>
#include <span>

#include "core/catalogue/tables.h"

namespace tessalin {

// The menus of the family; the entry at the End index is the end entry (level -1).
extern const TMenuEntry MenuCondI[];
inline constexpr int32_t kMenuCondIEnd = 13;
extern const TMenuEntry MenuDigCondI[];
inline constexpr int32_t kMenuDigCondIEnd = 18;
extern const TMenuEntry MenuSensorCondI[];
inline constexpr int32_t kMenuSensorCondIEnd = 14;

// Every parameter table of the family (T1..T12, U1..U6, V1, then the operating-mode page).
std::span<const std::span<const TParamEntry>> CondIParamTables();

// Factory defaults of the sections CONDI-SET (156 bytes) and CONDI-FIX (201 bytes).
std::span<const uint8_t> CondISetDefaultRecord();
std::span<const uint8_t> CondIFixDefaultRecord();

}  // namespace tessalin
