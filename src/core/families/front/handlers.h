#pragma once
// Handlers of the front unit. Menu handlers decide whether an item is shown and supply the buffer-set
// titles; row handlers decide when the display format is offered, label the buffer and chart rows, offer
// and apply the calculation blocks, and keep the function control matrix. Rows that follow one selector
// byte use the shared value rules in the tables. Every event they do not
// answer goes to the default handler.

#include "core/catalogue/tables.h"

namespace tessalin::front {

// ---- menu items
bool MenuKiChannel(int event, TEvParRec& rec);   // with the KI option, while the KI recorder runs
bool MenuCalcBlocks(int event, TEvParRec& rec);  // while some block definition fits the installed modules
bool MenuBufferSet(int event, TEvParRec& rec);   // with the buffer option; title "Buffer n"

// ---- measurement display
bool RowDisplayFormat(int event, TEvParRec& rec);

// ---- system control
bool RowParamSetsNote(int event, TEvParRec& rec);
bool RowCalcBlock(int event, TEvParRec& rec);
bool RowFunctionMatrix(int event, TEvParRec& rec);

// ---- labels of the buffer tables and the concentration chart
bool RowBufferValue(int event, TEvParRec& rec);
bool RowChartTemperature(int event, TEvParRec& rec);
bool RowChartConcentration(int event, TEvParRec& rec);
bool RowChartConductivity(int event, TEvParRec& rec);

}  // namespace tessalin::front
