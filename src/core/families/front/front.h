#pragma once
// The front unit (module types 2 and 17): language and display, the measured-value recorder, the
// calibration-data (KI) recorder and the system control pages. One menu, `MenuFront`; its values lie in
// the front's sections SYS-FIX, SYS-SET, CTRL-FIX and BUF-FIX, which the base unit and the Purgon
// controller share. The records below hold only the bytes of the front's own rows; the other bytes are 0.

#include <cstdint>
#include <span>

#include "core/catalogue/tables.h"

namespace tessalin {

// The menu of the front unit; entry kMenuFrontEnd is the end entry (level -1).
extern const TMenuEntry MenuFront[];
inline constexpr int32_t kMenuFrontEnd = 22;

// Factory defaults of the front's rows in SYS-FIX (170 bytes), SYS-SET (529), CTRL-FIX (169) and BUF-FIX
// (346: the three user buffer tables).
std::span<const uint8_t> FrontSysFixDefaults();
std::span<const uint8_t> FrontSysSetDefaults();
std::span<const uint8_t> FrontCtrlFixDefaults();
std::span<const uint8_t> FrontBufFixDefaults();

// After the modules changed: a display or recorder choice on a variable the device no longer offers (a
// module removed or moved, or a fresh device's first module's main value where slot [I] holds an output
// or controller module) takes the first variable its list offers, in each parameter set; a list without
// any variable leaves it as it is.
void MoveSelectorsToOfferedVariables();

// After the modules changed: a calculation block whose definition no longer fits the modules is switched
// off, its choice on the front's page and its entry in the slot table. True when one was. The caller
// decodes the device again.
bool DropCalcBlocksThatNoLongerFit();

}  // namespace tessalin
