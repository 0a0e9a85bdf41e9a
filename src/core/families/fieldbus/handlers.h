#pragma once
// Handlers of the fieldbus modules: which PA menu a module shows (by device software and the module's own
// software), the list of measuring modules that can feed the bus, and the analog-input lists of the
// module chosen for a group of four inputs.

#include "core/catalogue/tables.h"

namespace tessalin::fieldbus {

// ---- PA menu items (event 0)
// "AI configuration": before software 7, or on a PA module whose own software is below 2.0.
bool MenuPaSixInputs(int event, TEvParRec& rec);
// The two groups of four inputs and the bus activation: from software 7 on a PA module of software 2.0
// or later.
bool MenuPaInputGroups(int event, TEvParRec& rec);

// ---- rows
// "Measuring module" (event 8): "No module", then every slot and calculation block whose module can feed
// the bus, by position code, with its slot prefix and name.
bool RowMeasuringModule(int event, TEvParRec& rec);
// The analog inputs of a group (event 8): the fieldbus variables of the module chosen for AI1..4
// (COM-FIX +2) or AI5..8 (COM-FIX +7).
bool RowInputOfGroup1(int event, TEvParRec& rec);
bool RowInputOfGroup2(int event, TEvParRec& rec);

}  // namespace tessalin::fieldbus
