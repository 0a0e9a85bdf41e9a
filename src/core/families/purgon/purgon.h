#pragma once
// The Purgon controller: the menu `MenuProbe` that the device tree shows under the module carrying the
// controller, the two sub-pages its program pages open, and the default records of program block A and
// of the controller's part of the front's CTRL-FIX section.

#include <cstdint>
#include <span>

#include "core/catalogue/tables.h"

namespace tessalin {

// The menu; entry kMenuProbeEnd is the end entry (level -1).
extern const TMenuEntry MenuProbe[];
inline constexpr int32_t kMenuProbeEnd = 31;

// Sub-pages opened from buttons: the switching-point editor of a day page and the step editor of a program.
extern const TMenuEntry ProbePointEditor;
extern const TMenuEntry ProbeStepEditor;

// Factory defaults of the section PURGON (program block A) and of the CTRL-FIX bytes the controller's
// rows own (every other byte of CTRL-FIX is zero here).
std::span<const uint8_t> PurgonDefaultRecord();
std::span<const uint8_t> PurgonCtrlFixDefaults();

// After the modules changed: while a controller is attached, its "Measuring module" naming a slot without
// a module it can use (the slot emptied, or holding another kind of module) names the slot that carries
// the controller, else the first slot with such a module. Nothing changes when no slot holds one.
void MoveMeasuringModuleToUsableSlot();

}  // namespace tessalin
