#pragma once
// The digital pH sensors on a digital-sensor carrier or behind the I-module: pH (160, 170), pH/ORP (175)
// and pH (F1.2) (176). Their values live in PH-SET and PH-FIX like those of the analogue pH modules;
// most of their pages are the pH family's tables, the rest (calibration data, sensor data, ISFET working
// point, delta function, reference and glass electrode) are their own, with the pH family's rules.

#include <cstdint>
#include <span>

#include "core/catalogue/tables.h"

namespace tessalin {

extern const TMenuEntry MenuDigPH[];
inline constexpr int32_t kMenuDigPHEnd = 23;
extern const TMenuEntry MenuDigPHORP[];
inline constexpr int32_t kMenuDigPHORPEnd = 28;
extern const TMenuEntry MenuDigPH12[];
inline constexpr int32_t kMenuDigPH12End = 23;

// PH-SET of a factory-fresh digital pH sensor: the pH family's record with the ISFET working point of
// the digital sensors. PH-FIX is the pH family's.
std::span<const uint8_t> DigPhSetDefaultRecord();

}  // namespace tessalin
