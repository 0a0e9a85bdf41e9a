#pragma once
// Handlers of the I-module's pages: which items and rows the software version shows, the scratch copy
// taken when a page opens, and REFRESH, which gives the two channel slots the module types of the chosen
// mode and variables.

#include "core/catalogue/tables.h"

namespace tessalin::radio {

// ---- menu items (events 0 and 1)
bool MenuModeBefore9(int event, TEvParRec& rec);
bool MenuZigBeeBefore9(int event, TEvParRec& rec);
bool MenuModeFrom9(int event, TEvParRec& rec);
bool MenuZigBeeFrom9(int event, TEvParRec& rec);

// ---- rows
bool RowModeHeading(int event, TEvParRec& rec);
bool RowZigBeeHeading(int event, TEvParRec& rec);         // set up on the device
bool RowZigBeeSettingHeading(int event, TEvParRec& rec);  // applied with REFRESH
bool RowModeBefore8(int event, TEvParRec& rec);   // version 7 or earlier
bool RowMode80or81(int event, TEvParRec& rec);    // version 8.0 or 8.1
bool RowModeFrom82(int event, TEvParRec& rec);    // version 8.2 or later
bool RowVariable1(int event, TEvParRec& rec);     // while the mode is not Off
bool RowVariable2(int event, TEvParRec& rec);     // while the mode serves two channels
bool RowTelvoFor(int event, TEvParRec& rec);      // version 9 or later
bool RowApplyMode(int event, TEvParRec& rec);
bool RowApplyRadioSetting(int event, TEvParRec& rec);

// Applies the mode and channel variables of the image against the scratch copy taken when the page
// opened: false when nothing changed.
bool ApplyRadioMode();
// Applies the radio setting of the newer software: false when it did not change.
bool ApplyRadioSetting();

}  // namespace tessalin::radio
