#pragma once
// The calculation blocks (module types 128 pH/ORP, 129 conductivity, 130 oxygen, 131 CO2): virtual
// modules at positions 8 and 9 (slot numbers 3 and 4) that combine the values of two measuring modules
// of one family. Which pair a block combines is the definition chosen on the front unit's
// "Calculation-Blocks" page; the block's own values lie in its CALC*-SET section.

#include <cstdint>
#include <span>

#include "core/catalogue/tables.h"
#include "core/common/sections.h"

namespace tessalin {

// The menus of the four block types; entry kMenuCalc*End is the end entry (level -1).
extern const TMenuEntry MenuCalcPH[];
extern const TMenuEntry MenuCalcCond[];
extern const TMenuEntry MenuCalcOxy[];
extern const TMenuEntry MenuCalcCO2[];
inline constexpr int32_t kMenuCalcPHEnd = 5;
inline constexpr int32_t kMenuCalcCondEnd = 10;
inline constexpr int32_t kMenuCalcOxyEnd = 9;
inline constexpr int32_t kMenuCalcCO2End = 6;

// The sections of a block type; Section::None for both when the type is not 128..131.
struct CalcSections {
    Section set = Section::None;
    Section fix = Section::None;
};
CalcSections CalcSectionsOf(int blockType);

// Factory defaults of CALCPH-SET (62 bytes), CALCCOND-SET (178), CALCOXY-SET (134) and CALCCO2-SET (80);
// empty for any other section. The CALC*-FIX sections name no values and stay zero.
std::span<const uint8_t> CalcSetDefaultRecord(Section section);

}  // namespace tessalin
