#pragma once
// The digital ORP sensor behind the I-module (164) or on a digital-sensor carrier (174). Most of its
// values live in ORP-SET and ORP-FIX; input filter, sensor data, SIP counter, ORP check and the ORP-value
// messages are the pH family's places and tables.

#include <cstdint>
#include <span>

#include "core/catalogue/tables.h"

namespace tessalin {

extern const TMenuEntry MenuDigORP[];
inline constexpr int32_t kMenuDigORPEnd = 14;

// Factory defaults of ORP-SET (268 bytes) and ORP-FIX (205 bytes).
std::span<const uint8_t> OrpSetDefaultRecord();
std::span<const uint8_t> OrpFixDefaultRecord();

}  // namespace tessalin
