#pragma once
// Component lookups by position on the decoded device (Ws().Device). Positions: 1 base unit, 2 front
// unit, 3 I-module, 4/5/6 slots [I]/[II]/[III], 8/9 calculation blocks.

#include <cstdint>
#include <string>

namespace tessalin {

// Base.Code for 1, Front.Code for 2, the slot's Code for 4..6, the calculation block's Code for 8..9,
// otherwise 0.
uint8_t ComponentCode(int position);

// The slot's RecIndex for 4..6, the calculation block's for 8..9, otherwise 255.
uint8_t ComponentIndex(int position);

// Sort order of the components: 5 for 1, 0 for 4, 1 for 5, 2 for 6, 3 for 8, 4 for 9, otherwise 6.
uint8_t ComponentOrder(int position);

// The brand number of the component at a position: the base's for 1, the I-module's for 3, the slot's for
// 4..6, the front's for 2 and for every other position (the calculation blocks and the Purgon controller
// carry the front's brand).
uint8_t ComponentBrand(int position);

// The explosion-protection mark of the component at positions 1..6 ("X" or empty); empty elsewhere.
std::string ComponentExMark(int position);

}  // namespace tessalin
