#pragma once
// The value-type index of a module type's process variable (0 when the module has no such variable).

#include <cstdint>

namespace tessalin {

uint8_t ProcessVariableValueType(int moduleType, int variableNumber);

}  // namespace tessalin
