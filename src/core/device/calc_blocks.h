#pragma once
// The calculation-block table: which block types exist, which pair of slots each row combines and which
// measurement class those slots must hold. A block stored in the image is kept only when some row fits it.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/common/handler.h"

namespace tessalin {

struct CalcBlockRow {
    uint8_t blockType;              // 128 pH, 129 conductivity, 130 oxygen, 131 CO2; 0 for the "none" row
    std::array<uint8_t, 3> classAt; // measurement class required in [I], [II], [III]; 0 = slot not involved
    Predicate available;            // whether the row may be used at all
    std::string_view name;          // "Calc pH, pH" etc.; empty for the "none" row
};

// The 13 rows: row 0 "none" (never available), then per block type the pairs ([I],[II]), ([I],[III]),
// ([II],[III]). The row number is what the front unit's block selection stores.
std::span<const CalcBlockRow> CalcBlockTable();

// True when definition `code` can combine the installed modules: it is one of the rows 1..12, its predicate
// holds and every class it names is the measurement class of the module in that slot. False for any other
// code.
bool CalcDefinitionFits(int code);

// The slots that definition `code` combines (bit 0 [I], bit 1 [II], bit 2 [III]); 0 outside 1..12.
uint8_t CalcDefinitionSlotMask(int code);

// True when some available row of block code `code` matches the measurement classes of the slot modules.
bool CalcBlockCodeFits(uint8_t code);

// True when calculation block c (0 or 1) of Ws().Device has a code for which some available row's
// required classes match the measurement classes of the slot modules. c outside 0..1 is a RangeError.
bool CalcBlockValid(int c);

}  // namespace tessalin
