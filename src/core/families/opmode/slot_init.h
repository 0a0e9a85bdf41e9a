#pragma once
// Changing the module a slot holds: its identity in the image (stored slot code and hardware identity
// byte) and a fresh parameter block with the factory defaults of the new module family. The device is
// decoded again by the caller once every change is in the image.

#include <cstdint>
#include <span>
#include <utility>

#include "core/common/sections.h"

namespace tessalin {

// The sections that hold a module type's parameters: {set section, fixed section}, None for types
// without parameters of their own.
std::pair<Section, Section> ParamSectionsOf(int moduleType);

// The default record a module type's slot gets for one of its sections: the section's record, for the
// digital pH sensors with the defaults of their own pages added.
std::span<const uint8_t> FamilyDefaultRecord(Section section, int moduleType);

struct SlotStart {
    // Oxygen sensors behind a radio channel get the OXY-FIX start values only where the channel serves a
    // digital sensor on version 8 or earlier.
    bool oxygenFix = true;
};

// Clears parameter block `block` (0..2, the slot module's record index) in both parameter sets, copies
// the family's set default record into both sets and its fixed default record into the fixed part of
// both halves, then writes the family's start values into both sets.
void InitialiseSlot(uint8_t block, int moduleType, SlotStart start = {});

// Writes `moduleType` into the slot table entry of slot s (0..2) as the device stores it for the slot's
// attachment and software era, and the type's hardware identity byte into the slot's identity record.
void SetSlotModuleType(int s, int moduleType);

}  // namespace tessalin
