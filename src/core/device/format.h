#pragma once
// Text forms of identity values: serial numbers, packed versions, slot masks and brand keys.

#include <cstdint>
#include <string>

namespace tessalin {

// "xxxxxxx" for 0, 1 and 2 (no serial number known); otherwise the number in decimal, zero-padded to at
// least seven digits.
std::string FormatSerial(uint32_t serial);

// "x.x" for 0; otherwise '0' + high nibble, ".", '0' + low nibble (packed decimal, 0x73 gives "7.3").
std::string FormatVersion(uint8_t packed);

// The front's software version as stored (FRONT bytes 2 and 4): "A.2", or "8.x" after a version chosen
// in the configurator.
std::string FormatFrontVersion(char major, char minor);

// "[I] ", "[II] ", "[III] " for bits 0, 1, 2, concatenated in that order; empty for 0.
std::string FormatSlotMask(uint8_t mask);

// "MORVANE", "BREVON" or "SOLLANE" for the low five bits of a brand byte; values above 2 count as 0.
std::string BrandKey(uint8_t brandByte);

}  // namespace tessalin
