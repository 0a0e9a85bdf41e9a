#pragma once
// The operating-mode page of the digital-sensor carriers. A carrier in a slot serves one digital sensor;
// which kind it is (pH, pH/ORP, pH (F1.2), ORP, conductivity, oxygen, ...) is chosen on this page and
// applied with its REFRESH button, which changes the slot's module type and gives the slot the new
// family's factory defaults.
//
// Every digital sensor menu starts with the same "Operating mode" item; a family puts
// `OpModeMenuEntry()` (the optical oxygen sensor `OpModeOptMenuEntry()`) first in its menu table instead
// of an entry of its own.

#include <array>
#include <cstdint>

#include "core/catalogue/tables.h"
#include "core/families/shared/common_texts.h"

namespace tessalin {

inline constexpr int32_t kOpModeLast = 14;
// The rows of the page (heading, the mode and variable rows of the three slots, REFRESH).
extern const std::array<TParamEntry, kOpModeLast + 1> OpModeParams;
// The same page for the optical oxygen carrier (mode and sensor type of the three slots, REFRESH).
inline constexpr int32_t kOpModeOptLast = 8;
extern const std::array<TParamEntry, kOpModeOptLast + 1> OpModeOptParams;

namespace opmode {

// Shown while the slot's sensor is attached through a digital-sensor carrier (attach code 27 or 29);
// opening the page copies the slots' modes and variables into the scratch copy the rows edit.
bool MenuOpMode(int event, TEvParRec& rec);

}  // namespace opmode

// The first item of a digital sensor menu: the operating-mode page at level 1.
constexpr TMenuEntry OpModeMenuEntry(uint16_t menuBit) {
    return TMenuEntry{.level = 1, .flags = kMfFirstLevel, .menuBit = menuBit, .handler = opmode::MenuOpMode,
                      .texts = &common::kTxtOperatingMode, .params = OpModeParams.data(), .lastParam = kOpModeLast};
}

// The first item of the optical oxygen sensor's menu.
constexpr TMenuEntry OpModeOptMenuEntry(uint16_t menuBit) {
    TMenuEntry entry = OpModeMenuEntry(menuBit);
    entry.params = OpModeOptParams.data();
    entry.lastParam = kOpModeOptLast;
    return entry;
}

// The module type a carrier serves for an operating mode and a variable, with the mode and variable the
// device keeps for them (a combination the device does not know falls back to a pH sensor).
struct DigitalSensorChoice {
    int mode;
    int variable;
    int moduleType;
};
DigitalSensorChoice DigitalSensorType(int mode, int variable);

}  // namespace tessalin
