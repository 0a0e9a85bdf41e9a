#pragma once
// Device texts of the digital pH sensors beyond the pH family's. Seven languages each.

#include "core/catalogue/tables.h"

namespace tessalin::digph {

extern const TextRecord kTxtIsfetWorkingPoint, kTxtDeltaFunction;

}  // namespace tessalin::digph
