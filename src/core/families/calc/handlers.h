#pragma once
// Handlers of the calculation blocks. The block a page belongs to is its slot number (3 block 1, 4 block
// 2); the definition chosen for it on the front unit names the pair of slots it combines. The handlers
// offer the difference formulas of the pair, show the conductivity block's factors and decide the
// oxygen block's liquid and gas values; the other rules are value rules in the tables.

#include "core/catalogue/tables.h"

namespace tessalin::calc {

// ---- every block
bool RowDifference(int event, TEvParRec& rec);  // list: "Off" and the formulas of the block's pair

// ---- conductivity block: the factors of the pH value calculated from an alkalization
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

}  // namespace tessalin::calc
