#pragma once
// Changing the module a slot holds: its identity in the image (stored slot code and hardware identity
// byte) and a fresh parameter block with the factory defaults of the new module family. The device is
// decoded again by the caller once every change is in the image.

#include <cstdint>
#include <utility>
#include <vector>

#include "core/common/sections.h"
#include "core/device/device.h"

namespace tessalin {

// The sections that hold a module type's parameters: {set section, fixed section}, None for types
// without parameters of their own.
std::pair<Section, Section> ParamSectionsOf(int moduleType);

// The default record a module type's slot gets for one of its sections under `front`: the section's
// record, for the digital pH sensors with the defaults of their own pages added, and a pH slot with the
// buffer set its front's software and brand offer.
std::vector<uint8_t> FamilyDefaultRecord(Section section, int moduleType, const TIdFront& front);

struct SlotStart {
    // Oxygen sensors behind a radio channel get the OXY-FIX start values only where the channel serves a
    // digital sensor on version 8 or earlier.
    bool oxygenFix = true;
};

// Clears parameter block `block` (0..2, the slot module's record index) in both parameter sets, copies
// the family's set default record into both sets and its fixed default record into the fixed part of
// both halves, then writes the family's start values into both sets.
void InitialiseSlot(uint8_t block, int moduleType, SlotStart start = {});

// What a module the configurator places holds beyond its default records (copied into block `block`
// before): the pH module for Pfaudler sensors (13) offers none of the sensor types the pH record starts
// with, so it starts with its first own type, Pfaudler standard, and the values the sensor-type rule sets
// for it. Other modules hold their records as they are.
void StartPlacedModule(uint8_t block, int moduleType);

// The module type of an I-module channel that serves a sensor of `kind` (the channel variable): an analog
// sensor from software 9 on 180..183 for kinds 0..3; before, 150 for pH, 151 or 152 for oxygen by the
// option bits 26 and 27, 154 for conductivity. A digital sensor (software 9 on) 160..164 for kinds 0, 1, 2,
// 3, 6. A channel with the probe control 189 from software 9 on, 153 before. 25 (inactive) for anything
// else.
uint8_t IModuleAnalogType(int kind, bool from9, uint32_t options);
uint8_t IModuleDigitalType(int kind, bool from9);
uint8_t ProbeControlType(bool from9);

// Writes `moduleType` into the slot table entry of slot s (0..2) as the device stores it for the slot's
// attachment and software era, and the type's hardware identity byte into the slot's identity record.
void SetSlotModuleType(int s, int moduleType);

}  // namespace tessalin
