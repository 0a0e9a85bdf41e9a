#pragma once
// A configured device whose calculation block is chosen on the front unit's page, as a user does, and
// access to the bytes of block 1 and of the slot modules.

#include <gtest/gtest.h>

#include "core/catalogue/codec.h"
#include "core/families/calc/calc.h"
#include "core/families/front/front.h"
#include "support/configured_device.h"

namespace tessalin::test {

constexpr long long kBlock1 = 0x1400;       // block 1's set section, set A
constexpr long long kSetB = 0x2000;
constexpr long long kOxyMeasureIn = 178;    // OXY-SET: 1 liquids, 2 gases Vol%, 3 gases ppm

// Chooses definition `code` for block `block` (0 or 1) on the front unit's "Calculation-Blocks" page.
inline void ChooseBlock(int block, int code) {
    PageModel page = OpenPage(&MenuFront[11], kPosFront);
    Choose(page, block, code);
}

// A byte of block 1 in both parameter sets.
inline void SetBlockByte(int offset, uint8_t value) {
    Ws().ParImage.setU8(kBlock1 + offset, value);
    Ws().ParImage.setU8(kBlock1 + kSetB + offset, value);
}

// The measuring medium of the oxygen module in slot s (0..2), both sets.
inline void SetMeasureIn(int s, uint8_t medium) {
    const long long at = 0x0800 + 0x400LL * s + kOxyMeasureIn;
    Ws().ParImage.setU8(at, medium);
    Ws().ParImage.setU8(at + kSetB, medium);
}

}  // namespace tessalin::test
