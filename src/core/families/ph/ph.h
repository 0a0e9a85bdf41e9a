#pragma once
// The pH family: analogue pH/ORP modules (3, 4, 12, 13, 19), the CO2 module (18) and pH sensors behind
// the I-module and on sensor inputs (150, 180, 190). One menu, `MenuPH`, serves all of them; the
// handlers tell the module types apart. The parameter tables P1..P39 are shared with the digital pH
// sensors; the default records of PH-SET and PH-FIX are what a factory-fresh slot holds.

#include <cstdint>
#include <span>
#include <string>

#include "core/catalogue/tables.h"
#include "core/device/device.h"

namespace tessalin {

// The menu of the family; entry kMenuPHEnd is the end entry (level -1).
extern const TMenuEntry MenuPH[];
inline constexpr int32_t kMenuPHEnd = 47;

// Parameter table Pn (n = 1..39) of the family; throws RangeError for any other n.
std::span<const TParamEntry> PhParamTable(int n);

// Factory defaults of the sections PH-SET (386 bytes) and PH-FIX (222 bytes).
std::span<const uint8_t> PhSetDefaultRecord();
std::span<const uint8_t> PhFixDefaultRecord();

// The place of the buffer set (Tarimex buffer) in PH-SET, and the set a fresh pH slot of this front starts
// with: the maker's own set in the edition its software offers, Pelorix (15) from software 9 and the set
// before it (1) up to 8. The Brevon brand's list offers neither; its slots start with the Brevon set (2).
inline constexpr uint16_t kBufferSetByte = 21;
uint8_t FactoryBufferSet(const TIdFront& front);

// The one-line description of a buffer set in the device language: sets 1..15 by name and nominal
// values, the user table (33) as a word followed by its three nominal values from BUF-FIX, any other
// set as an empty text.
std::string PhBufferSetHeading(int setCode);

}  // namespace tessalin
