#pragma once
// The value type of a module's process variable, from the process-variable catalogue of the device's
// software edition. The value codec resolves the dependent value types of outputs, recorders, displays
// and controllers through it.

#include <cstdint>

namespace tessalin {

// Value-type index (1..99) of variable `variableNumber` of module type `moduleType`; 0 when the
// catalogue has no such row.
uint8_t ProcessVariableValueType(int moduleType, int variableNumber);

}  // namespace tessalin
