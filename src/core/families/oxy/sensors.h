#pragma once
// The digital oxygen sensors (161, 171, `MenuDigOxy`) and the optical oxygen sensor on its own carrier
// (211, `MenuOptOxy`). Both menus reuse the oxygen family's parameter tables and rules; the optical sensor
// adds its own items in LDO-FIX. A slot of the optical sensor is initialised with the LDO-SET and LDO-FIX
// default records, which overlay OXY-SET and OXY-FIX and so carry the oxygen defaults too.

#include <cstdint>
#include <span>

#include "core/catalogue/tables.h"

namespace tessalin {

extern const TMenuEntry MenuDigOxy[];
inline constexpr int32_t kMenuDigOxyEnd = 25;

extern const TMenuEntry MenuOptOxy[];
inline constexpr int32_t kMenuOptOxyEnd = 28;

// An oxygen sensor on a sensor carrier or behind a radio channel has no air-pressure detection of its own
// and no differential pressure transmitter: its slot starts measuring and calibrating with the manual
// pressure and an absolute transmitter (OXY-SET offset and byte, both sets).
struct OxygenSetStart {
    uint16_t offset;
    uint8_t value;
};
inline constexpr OxygenSetStart kOxygenWithoutAirPressureStarts[] = {{215, 1}, {24, 2}, {29, 2}};

// Factory defaults of the sections LDO-SET (308 bytes) and LDO-FIX (215 bytes). The optical sensor sits on
// its own carrier, so its LDO-SET record holds the starts above.
std::span<const uint8_t> LdoSetDefaultRecord();
std::span<const uint8_t> LdoFixDefaultRecord();

}  // namespace tessalin
