#pragma once
// Decoding the device from the parameter image. Ws().ParImage is the single source: whoever changes the
// hardware in the image decodes again rather than editing Ws().Device. Callers set Device.Origin;
// ClearDevice empties the record for "Neu".

#include <cstdint>

namespace tessalin {

// Fills Ws().Device from Ws().ParImage: front unit, base unit, I-module, the three slots (with interface
// codes remapped), the calculation blocks (removed unless their slots hold two modules of their class) and
// the Purgon controller. fromFile is true when the loader calls it; it decides the Purgon type code.
//
// The caller sets Device.Origin first (2 after a load, 1 after the configurator or a rule): identity
// states become 2 only when Origin is 2. The image is changed in three places: for software before 9 the
// attach bytes 61..63 are derived from a found I-module; a Purgon image without a carrier module is marked
// absent (Purgon byte 2 = 0); and an invalid Purgon program block A is restored from block B or C.
void DecodeDevice(bool fromFile);

// Replaces the code of slot s (0..2) of Ws().Device by the code the tool uses for a module reached through
// an interface, and its HwId by that code's, when the slot's identity byte marks such a module. Which table
// applies depends on the software version and, from version 9 on, on the slot's attach byte (61 + s). The
// image keeps the stored codes. s outside 0..2 is a RangeError.
void RemapInterfaceModules(int s);

// The code the tool uses for a stored slot code reached through an interface, given the slot's attach byte
// and whether the software is version 9 or later; codes without a mapping stay as they are.
uint8_t RemappedCode(uint8_t stored, uint8_t attach, bool from9);

// The code stored in the slot table for a module the tool knows under `code`, given the slot's attach
// code and the software era; the inverse of RemappedCode.
uint8_t StoredCodeFor(uint8_t code, uint8_t attach, bool from9);

// Empties the device model for "Neu": every record back to its empty state (no component codes, identity
// states unknown, brand 0, no Purgon type code) and Origin 0.
void ClearDevice();

}  // namespace tessalin
