#pragma once
// Handlers of the operating-mode pages, and the REFRESH button the I-module's pages share with them.

#include "core/catalogue/tables.h"

namespace tessalin::opmode {

// ---- the button shared with the I-module pages
// One button "REFRESH" labelled "Apply" (the row's text); pressing it runs `apply`, whose answer asks for
// a page rebuild.
bool RefreshButton(int event, TEvParRec& rec, bool (*apply)());

// ---- rows of the digital-sensor page; the slot a row belongs to is its argument (0..2)
bool RowHeading(int event, TEvParRec& rec);
bool RowModeOld(int event, TEvParRec& rec);      // carrier hardware below 32
bool RowModeNew(int event, TEvParRec& rec);      // carrier hardware 32 and above
bool RowVariableOld(int event, TEvParRec& rec);
bool RowVariableNew(int event, TEvParRec& rec);
bool RowApply(int event, TEvParRec& rec);
bool RowOwnSlot(int event, TEvParRec& rec);      // the optical carrier's rows: every carrier hardware

// ---- variable items: by the mode chosen for the page's slot
bool ChosenSenvaro();
bool ChosenOther();
bool ChosenSenvaroOrOther();
bool ChosenSenvaroOxygen();  // Senvaro, with the oxygen option of the I-module
bool ChosenSenvaroF12();     // Senvaro on carrier hardware above 33

// Applies the scratch copy of the page's slot (REFRESH): false when it equals the device's setting.
bool ApplyDigitalMode();

}  // namespace tessalin::opmode
