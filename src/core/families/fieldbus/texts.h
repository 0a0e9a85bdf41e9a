#pragma once
// Device texts of the fieldbus modules. Seven languages each, in the order de, en, fr, it, sv, es, pt.

#include <array>

#include "core/catalogue/tables.h"

namespace tessalin::fieldbus {

// ---- menu titles
extern const TextRecord kTxtAiConfiguration, kTxtAi1To4Configuration, kTxtAi5To8Configuration, kTxtBusActivation;

// ---- rows
extern const std::array<TextRecord, 8> kTxtAnalogInputs;  // "Analog Input AI 1" .. "Analog Input AI 8"
extern const TextRecord kTxtMeasuringModule, kTxtEnableDcs;

// ---- the first item of the measuring-module list
extern const TextRecord kTxtNoModule;

}  // namespace tessalin::fieldbus
