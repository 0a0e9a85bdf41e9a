// The process-variable catalogue of devices with software major version 9 and above: the sensor types
// behind the I-module and on digital-sensor modules, and the newer pH and oxygen rows.

#include "core/catalogue/process_variables_data.h"

namespace tessalin::pv {
namespace {

constexpr OxygenVariant kStandardOxygen{kMgL, kPpm, 98, kMmHg, C::OxyVolumeConcentration,
                                        47, kPpm, C::OxyUnitGroup3, C::NewHardware};
constexpr OxygenVariant kTraceOxygen{kUgL, kPpb, 98, kMmHg, C::OxyVolumeConcentration,
                                     47, kPpm, C::OxyUnitGroup3, C::NewHardware};
// Digital sensors measure gases in Vol% only, report their wear and have no current input.
constexpr OxygenVariant kSensorOxygen{kUgL, kPpb, 98, kMmHg, C::OxyUnitGroup2,
                                      62, kWear, C::Always, C::Never};

constexpr auto kEdition = Join(
    ForTypes(kPhOlderLayout, std::array<uint8_t, 4>{3, 12, 13, 150}),
    ForTypes(kPhNewerLayout, std::array<uint8_t, 5>{4, 160, 170, 180, 190}),
    ForTypes(kPh19NewerLayout, std::array<uint8_t, 1>{19}),
    ForTypes(kCo2From9Layout, std::array<uint8_t, 1>{18}),
    ForTypes(kCondLayout, std::array<uint8_t, 6>{5, 154, 162, 172, 182, 192}),
    ForTypes(kCondILayout, std::array<uint8_t, 5>{6, 163, 173, 183, 193}),
    ForTypes(OxygenLayout(kStandardOxygen), std::array<uint8_t, 3>{7, 10, 20}),
    ForTypes(OxygenLayout(kTraceOxygen), std::array<uint8_t, 3>{11, 21, 26}),
    ForTypes(OxygenLayout(kSensorOxygen), std::array<uint8_t, 2>{161, 171}),
    ForTypes(Oxygen211Layout(kSensorOxygen), std::array<uint8_t, 1>{211}),
    ForTypes(kOrpSensorLayout, std::array<uint8_t, 2>{164, 174}),
    kUnitsAndBlocks);

}  // namespace

std::span<const ProcessVariableRow> EditionFrom9() { return kEdition; }

}  // namespace tessalin::pv
