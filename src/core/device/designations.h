#pragma once
// Names of modules as the user sees them: the order designation of a module code under the brand of
// the component that carries it, with the explosion-protection mark put in place, and the description
// of a code. Texts are in the device language (Ws().DeviceLanguage); a language outside 0..6 is a
// RangeError.

#include <cstdint>
#include <string>

namespace tessalin {

// Inside a designation, this character marks where the explosion-protection mark goes.
inline constexpr char kExMarkPlaceholder = '\x02';

// The designation of `code` under the brand of the component at `position` (1 base, 2 front, 3 I-module,
// 4..6 slots, 8 and 9 calculation blocks and the Purgon controller, which carry the front's brand), with
// the component's mark in place of the placeholder. Only positions 1..6 carry a mark; in a slot of brand 1
// the mark is written with a blank before it (" X"). Codes not in the table give "kein Modul" (translated).
std::string ModuleName(int position, uint8_t code);

// The description of `code` (no brand, no mark). The position is accepted for symmetry with ModuleName.
std::string ModuleDescription(int position, uint8_t code);

// The device family designation under the front unit's brand, with the front's mark in place.
std::string FamilyDesignation();

}  // namespace tessalin
