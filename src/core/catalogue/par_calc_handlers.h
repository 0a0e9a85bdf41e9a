#pragma once
// Handlers of the calculation blocks. The block a page belongs to is its slot number (3 block 1, 4 block
// 2); the definition chosen for it on the front unit names the pair of slots it combines. Menu handlers
// show a messages page while the value it watches is calculated; row handlers offer the difference
// formulas of the pair and show the limit rows of a messages page while its limits are variable.

#include "core/catalogue/tables.h"

namespace tessalin::calc {

// ---- every block
bool RowDifference(int event, TEvParRec& rec);  // list: "Off" and the formulas of the block's pair
bool RowLimit(int event, TEvParRec& rec);       // shown and editable while the monitoring byte at `arg` is 3

// ---- conductivity block
bool MenuCondConductivity(int event, TEvParRec& rec);
bool MenuCondResistivity(int event, TEvParRec& rec);
bool MenuCondTemperature(int event, TEvParRec& rec);
bool MenuCondRatio(int event, TEvParRec& rec);
bool MenuCondPassage(int event, TEvParRec& rec);
bool MenuCondRejection(int event, TEvParRec& rec);
bool MenuCondDeviation(int event, TEvParRec& rec);
bool MenuCondPh(int event, TEvParRec& rec);
bool RowFactorA(int event, TEvParRec& rec);
bool RowFactorB(int event, TEvParRec& rec);

// ---- oxygen block: liquid rows while both modules measure in liquids, gas rows while both measure gases
bool RowOxyLiquidDifference(int event, TEvParRec& rec);
bool RowOxyGasDifference(int event, TEvParRec& rec);
bool MenuOxySaturationAir(int event, TEvParRec& rec);
bool MenuOxySaturationO2(int event, TEvParRec& rec);
bool MenuOxyGramsPerLitre(int event, TEvParRec& rec);
bool MenuOxyPpmLiquid(int event, TEvParRec& rec);
bool MenuOxyVolume(int event, TEvParRec& rec);
bool MenuOxyPpmGas(int event, TEvParRec& rec);
bool MenuOxyTemperature(int event, TEvParRec& rec);

// ---- CO2 block
bool MenuCo2Percent(int event, TEvParRec& rec);
bool MenuCo2MgPerLitre(int event, TEvParRec& rec);
bool MenuCo2Temperature(int event, TEvParRec& rec);
bool MenuCo2Hpa(int event, TEvParRec& rec);

}  // namespace tessalin::calc
