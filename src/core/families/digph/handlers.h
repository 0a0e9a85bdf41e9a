#pragma once
// Handlers of the digital pH sensors that the pH family has no equivalent for. Every other rule of these
// menus is the pH family's.

#include "core/catalogue/tables.h"

namespace tessalin::digph {

// The menu items of the ISFET sensor type (leakage current, working point).
bool MenuIsfet(int event, TEvParRec& rec);

}  // namespace tessalin::digph
